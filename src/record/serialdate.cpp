#include "record/serialdate.h"

#include <cmath>

namespace serialdate {

QDate firstSupported() {
    return QDate(1873, 1, 1);
}
QDate lastSupported() {
    return QDate(9999, 12, 31);
}

bool isSupported(QDate date) {
    return date.isValid() && date >= firstSupported() && date <= lastSupported();
}

QDate toDate(double serial) {
    if (!std::isfinite(serial))
        return {};
    const double day = std::floor(serial);
    const double first = double(firstSupported().toJulianDay() - kJulianDayOfDayZero);
    const double last = double(lastSupported().toJulianDay() - kJulianDayOfDayZero);
    if (day < first || day > last)
        return {};
    return QDate::fromJulianDay(qint64(day) + kJulianDayOfDayZero);
}

double fromDate(QDate date) {
    return date.isValid() ? double(date.toJulianDay() - kJulianDayOfDayZero) : 0.0;
}

} // namespace serialdate
