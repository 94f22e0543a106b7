#include "record/gridcolumns.h"

#include "record/eradate.h"

#include <array>

const QString& columnHeader(int column) {
    static const std::array<QString, kGridColumnCount> headers = {
        QStringLiteral("No"),          QStringLiteral("ｺｰﾙｻｲﾝ"),      QStringLiteral("免許番号"),
        QStringLiteral("免許期限"),    QStringLiteral("種別"),        QStringLiteral("氏名"),
        QStringLiteral("ﾌﾘｶﾞﾅ"),       QStringLiteral("無線局〒"),    QStringLiteral("無線局住所1"),
        QStringLiteral("無線局住所2"), QStringLiteral("社団名"),      QStringLiteral("社団名カナ"),
        QStringLiteral("申請者氏名"),  QStringLiteral("申請者ﾌﾘｶﾞﾅ"), QStringLiteral("申請書〒"),
        QStringLiteral("申請書住所1"), QStringLiteral("申請書住所2"), QStringLiteral("申請書Tel"),
    };
    return headers[size_t(column)];
}

QString columnText(const StationRecord& record, int column) {
    const Field field = fieldForGridColumn(column);
    return field == Field::ExpiryDate ? FormatEraDate(record.expiry()) : record.trimmed(field);
}
