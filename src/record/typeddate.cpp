// Reading typed dates: era and Western forms, half- or full-width.
#include "record/typeddate.h"

#include "record/eradate.h"
#include "record/serialdate.h"

#include <QRegularExpression>

namespace typeddate {

namespace {

// Era initials as spreadsheet programs show them (R6.12.31).
QStringView eraName(QStringView era) {
    static const std::pair<char16_t, const char16_t*> initials[] = {
        {u'M', u"明治"}, {u'T', u"大正"}, {u'S', u"昭和"}, {u'H', u"平成"}, {u'R', u"令和"}};
    if (era.size() != 1)
        return era;
    for (const auto& [initial, name] : initials) {
        if (era.front().toUpper() == QChar(initial))
            return name;
    }
    return era;
}

// With QDate's own check, so that 2026-02-30 and 2026-13-01 are told apart from an unreadable
// text.
TypedDate western(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid())
        return {{}, Problem::NoSuchDay};
    if (!serialdate::isSupported(date))
        return {{}, Problem::Unsupported};
    return {date, Problem::None};
}

} // namespace

TypedDate parseTypedDate(QStringView text) {
    // Full-width digits, letters, separators and spaces become their ASCII forms.
    const QString normal = text.toString().normalized(QString::NormalizationForm_KC).trimmed();
    // [0-9] rather than \d, which would take any script's digits. Up to four digits in an
    // era date, as ParseEraDate reads them.
    static const QRegularExpression eraForm(
        QStringLiteral("^(明治|大正|昭和|平成|令和|[MTSHRmtshr])\\s*([0-9]{1,4}|元)\\s*"
                       "(?:年\\s*([0-9]{1,4})\\s*月\\s*([0-9]{1,4})\\s*日|"
                       "([./-])\\s*([0-9]{1,4})\\s*\\5\\s*([0-9]{1,4}))$"));
    static const QRegularExpression westernForm(
        QStringLiteral("^([0-9]{4})\\s*(?:年\\s*([0-9]{1,2})\\s*月\\s*([0-9]{1,2})\\s*日|"
                       "([./-])\\s*([0-9]{1,2})\\s*\\4\\s*([0-9]{1,2}))$"));
    const auto number = [](const QRegularExpressionMatch& m, int first, int second) {
        return (m.capturedLength(first) > 0 ? m.capturedView(first) : m.capturedView(second))
            .toInt();
    };
    if (const QRegularExpressionMatch m = westernForm.match(normal); m.hasMatch())
        return western(m.capturedView(1).toInt(), number(m, 2, 5), number(m, 3, 6));
    const QRegularExpressionMatch m = eraForm.match(normal);
    if (!m.hasMatch())
        return {};
    const QStringView era = eraName(m.capturedView(1));
    const int year = m.capturedView(2) == u"元" ? 1 : m.capturedView(2).toInt();
    const int month = number(m, 3, 6);
    const int day = number(m, 4, 7);
    if (const QDate date = eraDay(era, year, month, day); date.isValid())
        return {date, Problem::None};
    // A real day of the era before the calendar the program supports (明治 before 1873).
    const QDate start = eraStart(era);
    const QDate gregorian = QDate(start.year() + year - 1, month, day);
    if (year >= 1 && gregorian.isValid() && gregorian >= start &&
        !serialdate::isSupported(gregorian))
        return {{}, Problem::Unsupported};
    return {{}, Problem::NoSuchDay};
}

QString problemText(const TypedDate& date, QStringView text) {
    const QString shown = text.trimmed().toString();
    switch (date.problem) {
    case Problem::None:
        return {};
    case Problem::Unreadable:
        return QStringLiteral("「%1」は日付として読めません。").arg(shown);
    case Problem::NoSuchDay:
        return QStringLiteral("「%1」という日はありません。").arg(shown);
    case Problem::Unsupported:
        return QStringLiteral("「%1」は扱える日付（%2～%3）の外です。")
            .arg(shown, FormatEraDate(serialdate::firstSupported(), EraPattern::Unpadded),
                 FormatEraDate(serialdate::lastSupported(), EraPattern::Unpadded));
    }
    return {};
}

} // namespace typeddate
