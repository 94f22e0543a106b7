#include "record/csvcolumns.h"

#include "record/gridcolumns.h"
#include "record/serialdate.h"

#include <QRegularExpression>
#include <cstring>

namespace csvfile {

const std::vector<Column>& columns() {
    static const std::vector<Column> list = [] {
        std::vector<Column> result;
        for (int column = 1; column < kGridColumnCount; ++column) {
            const Field field = fieldForGridColumn(column);
            if (field != Field::ExpiryDate) {
                result.push_back({ColumnKind::Text, field, columnHeader(column)});
                continue;
            }
            result.push_back({ColumnKind::EraExpiry, field, columnHeader(column)});
            result.push_back({ColumnKind::IsoExpiry, field, isoHeader()});
        }
        return result;
    }();
    return list;
}

QString isoHeader() {
    return QStringLiteral("免許期限(ISO)");
}

QString isoExpiryText(double stored) {
    const QDate date = serialdate::toDate(stored);
    const double whole = serialdate::fromDate(date);
    // Compared bit for bit: -0 and a time of day are not the whole day they fall on.
    if (date.isValid() && std::memcmp(&whole, &stored, sizeof stored) == 0)
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    quint64 bits;
    std::memcpy(&bits, &stored, sizeof bits);
    return QStringLiteral("0x") + QString::number(bits, 16).rightJustified(16, u'0').toUpper();
}

std::optional<double> parseIsoExpiry(QStringView text) {
    static const QRegularExpression date(QStringLiteral("^(\\d{4})([-/])(\\d{1,2})\\2(\\d{1,2})$"));
    static const QRegularExpression raw(QStringLiteral("^0[xX]([0-9A-Fa-f]{16})$"));
    const QStringView trimmed = trimmedSpaces(text);
    if (const QRegularExpressionMatch m = raw.match(trimmed); m.hasMatch()) {
        const quint64 bits = m.capturedView(1).toULongLong(nullptr, 16);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    const QRegularExpressionMatch m = date.match(trimmed);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate day(m.capturedView(1).toInt(), m.capturedView(3).toInt(),
                    m.capturedView(4).toInt());
    if (!serialdate::isSupported(day))
        return std::nullopt;
    return serialdate::fromDate(day);
}

} // namespace csvfile
