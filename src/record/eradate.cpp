#include "record/eradate.h"

#include "record/serialdate.h"
#include "record/stationrecord.h"

#include <array>

namespace {

struct Era {
    const char16_t* name;
    QDate start; // first day of the era (Gregorian)
};

// The program's own era table. 明治 starts at the first supported date: dates before Japan
// adopted the Gregorian calendar (1873) are not supported.
const std::array<Era, 5>& eras() {
    static const std::array<Era, 5> table{{
        {u"明治", QDate(1868, 1, 25)},
        {u"大正", QDate(1912, 7, 30)},
        {u"昭和", QDate(1926, 12, 25)},
        {u"平成", QDate(1989, 1, 8)},
        {u"令和", QDate(2019, 5, 1)},
    }};
    return table;
}

// Reads 1 to 4 ASCII digits at pos; -1 when there are none.
int readNumber(QStringView text, qsizetype& pos) {
    int value = 0;
    int digits = 0;
    while (pos < text.size() && digits < 5 && text[pos] >= QLatin1Char('0') &&
           text[pos] <= QLatin1Char('9')) {
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
        ++digits;
    }
    return digits == 0 || digits > 4 ? -1 : value;
}

bool expect(QStringView text, qsizetype& pos, char16_t c) {
    if (pos < text.size() && text[pos] == QChar(c)) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

QString FormatEraDate(QDate date, EraPattern pattern) {
    if (!serialdate::isSupported(date))
        return {};
    const Era* era = &eras().front();
    for (const Era& e : eras()) {
        if (date >= e.start)
            era = &e;
    }
    const int year = date.year() - era->start.year() + 1;
    const bool padded = pattern == EraPattern::Padded;
    QString text;
    text.reserve(12);
    text += QStringView(era->name);
    text += QString::number(year);
    text += u'年';
    if (padded && date.month() < 10)
        text += u'0';
    text += QString::number(date.month());
    text += u'月';
    if (padded && date.day() < 10)
        text += u'0';
    text += QString::number(date.day());
    text += u'日';
    return text;
}

QDate eraDay(QStringView era, int year, int month, int day) {
    const auto& table = eras();
    for (size_t i = 0; i < table.size(); ++i) {
        if (era != QStringView(table[i].name))
            continue;
        if (year < 1)
            return {};
        const QDate date(table[i].start.year() + year - 1, month, day);
        if (!serialdate::isSupported(date) || date < table[i].start)
            return {};
        if (i + 1 < table.size() && date >= table[i + 1].start)
            return {};
        return date;
    }
    return {};
}

QDate eraStart(QStringView era) {
    for (const Era& e : eras()) {
        if (era == QStringView(e.name))
            return e.start;
    }
    return {};
}

QDate ParseEraDate(QStringView input) {
    const QString trimmed = trimSpaces(input);
    const QStringView text(trimmed);
    for (const Era& era : eras()) {
        const QStringView name(era.name);
        if (!text.startsWith(name))
            continue;
        qsizetype pos = name.size();
        const int year = readNumber(text, pos);
        if (year < 1 || !expect(text, pos, u'年'))
            return {};
        const int month = readNumber(text, pos);
        if (month < 1 || !expect(text, pos, u'月'))
            return {};
        const int day = readNumber(text, pos);
        if (day < 1 || !expect(text, pos, u'日') || pos != text.size())
            return {};
        return eraDay(name, year, month, day);
    }
    return {};
}
