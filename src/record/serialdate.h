#pragma once

#include <QDate>

// Dates as the data file stores them: days since 30 December 1899 (day 0) as a double.
//
// Supported range: 1 January 1873 (明治6年, when Japan adopted the Gregorian calendar) to
// 31 December 9999. A stored value that is NaN, infinite or outside that range reads as an
// invalid QDate; the grid shows it as an empty date and the value is kept as it was.
// A fraction (a time of day) is ignored.
namespace serialdate {

constexpr qint64 kJulianDayOfDayZero = 2415019; // 30 December 1899

QDate firstSupported();
QDate lastSupported();
bool isSupported(QDate date);

QDate toDate(double serial);
double fromDate(QDate date);

} // namespace serialdate
