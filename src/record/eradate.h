#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// Dates in the Japanese imperial era calendar, from a table of eras kept by the program:
// 明治 (Gregorian dates from 1 January 1873), 大正 from 30 July 1912, 昭和 from 25 December 1926,
// 平成 from 8 January 1989, 令和 from 1 May 2019. The first year of an era is "1".
// Supported range: 1 January 1873 to 31 December 9999, as serialdate.
enum class EraPattern {
    Padded,   // "ggge年mm月dd日": 令和4年02月17日
    Unpadded, // "ggge年m月d日":  令和4年2月17日
};

// Empty text for an invalid or unsupported date.
QString FormatEraDate(QDate date, EraPattern pattern = EraPattern::Padded);

// Reads either pattern, after removing spaces (U+0020) at both ends. The year must lie inside
// its era and the day must exist. Anything else gives an invalid QDate, never a made-up date.
QDate ParseEraDate(QStringView text);

// The day of an era given by its name (明治, 大正, 昭和, 平成, 令和), checked as ParseEraDate
// checks it: invalid for another name, a year outside the era, a day that does not exist or that
// the program does not support.
QDate eraDay(QStringView era, int year, int month, int day);
// The first day of the era named era; invalid for another name.
QDate eraStart(QStringView era);
