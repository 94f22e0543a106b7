// The register's CSV form: what the import accepts and refuses, and what the export writes.
#include "platform/cp932.h"
#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/datafile.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QString kHeader = QStringLiteral(
    "ｺｰﾙｻｲﾝ,免許番号,免許期限,免許期限(ISO),種別,氏名,ﾌﾘｶﾞﾅ,無線局〒,無線局住所1,無線局住所2,"
    "社団名,社団名カナ,申請者氏名,申請者ﾌﾘｶﾞﾅ,申請書〒,申請書住所1,申請書住所2,申請書Tel");

QByteArray sjis(const QString& text) {
    return cp932::encode(text).bytes;
}

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

} // namespace

// Each file: the start of the message (row and column first), or for an accepted file its one
// record as call sign|holder name|expiry.
TEST(CsvImport, AcceptsAWholeGoodFileAndNamesRowAndColumnOfEveryFault) {
    const QString h = u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO)\r\n"_qs;
    const std::pair<QByteArray, QString> cases[] = {
        // a day that does not exist
        {utf8(h + u"ＪＡ１ＡＢＣ,関第1号,2024-02-30\r\n"_qs),
         u"2 行目 3 列目「免許期限(ISO)」：「2024-02-30」という日はありません。"_qs},
        // a spreadsheet program's own format (.xlsx, .ods)
        {QByteArray("PK\x03\x04\x14\0\x06\0", 8),
         u"Excel などの表計算の形式です。CSV 形式で保存してから取り込んでください。"_qs},
        // no expiry in either column
        {utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限,免許期限(ISO)\r\nＪＡ１,関第1号,, \r\n"_qs),
         u"2 行目 4 列目「免許期限(ISO)」：免許期限がありません"_qs},
        // longer than the field in code page 932 bytes
        {utf8(h + u"ＪＡ１ＡＢＣＤ,関第1号,2024-03-31\r\n"_qs),
         u"2 行目 1 列目「ｺｰﾙｻｲﾝ」：長すぎます（14 バイト）"_qs},
        // character code page 932 cannot hold
        {utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO),氏名\r\nＪＡ１,関第1号,2024-03-31,Renée\r\n"_qs),
         u"2 行目 4 列目「氏名」：保存できない文字「é」"_qs},
        // character that would be stored as a look-alike
        {utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO),氏名\r\nＪＡ１,関第1号,2024-03-31,山田〜\r\n"_qs),
         u"2 行目 4 列目「氏名」：文字「〜」はそのまま保存できません（「～」になります）"_qs},
        // quote inside a field
        {utf8(h + u"\"ＪＡ１\"X,関第1号,2024-03-31\r\n"_qs),
         u"2 行目 1 列目：引用符（\"）の使い方が正しくありません"_qs},
        // bytes that are no code page 932 character
        {sjis(h + u"ＪＡ１"_qs) + "\x81" + sjis(u",関第1号,2024-03-31\r\n"_qs),
         u"2 行目 1 列目「ｺｰﾙｻｲﾝ」：コードページ932 の文字として読めないバイト（0x81）"_qs},
        // rows count records: a line break inside quotes, a blank line
        {utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO),無線局住所1\r\nＪＡ１,関第1号,2024-03-31,"
              u"\"東京都\r\n千代田区\"\r\n"
              u"\r\nＪＡ２,関第2号,2024-02-30,\r\n"_qs),
         u"4 行目 3 列目「免許期限(ISO)」"_qs},
        // empty file
        {QByteArray(), u"1 行目：見出しの行がありません"_qs},
        // code page 932, columns in any order, unknown ones, the era text
        {sjis(u"備考,氏名,免許期限,免許番号,コールサイン\r\n"
              u"メモ, 山田 太郎  ,令和6年3月31日,関第1号,ＪＡ１ＡＢＣ\r\n"_qs),
         u"ＪＡ１ＡＢＣ| 山田 太郎|2024-03-31"_qs},
        // the era column as a spreadsheet program shows dates, in full-width digits
        {utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限\r\nＪＡ１,L,Ｒ６．１２．３１\r\n"_qs),
         u"ＪＡ１||2024-12-31"_qs},
        // UTF-8 without a mark; the ISO cell, as a spreadsheet rewrites it, wins
        {utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限,免許期限(ISO)\r\nＪＡ１,L,令和1年05月01日,2024/3/31,,"_qs),
         u"ＪＡ１||2024-03-31"_qs},
        // UTF-8 with a mark; the era text when the ISO cell is missing; blank rows
        {"\xEF\xBB\xBF" + utf8(u"\r\nｺｰﾙｻｲﾝ,免許番号,免許期限,免許期限(ISO)\r\n,,,\r\n"
                               u"\"ＪＡ１\",L,令和6年03月31日\r\n\r\n"_qs),
         u"ＪＡ１||2024-03-31"_qs}};
    for (const auto& [csv, expected] : cases) {
        const csvfile::Imported imported = csvfile::importCsv(csv);
        if (!imported.result) {
            EXPECT_TRUE(imported.result.error.startsWith(expected))
                << imported.result.error.toStdString();
            EXPECT_TRUE(imported.records.empty());
            continue;
        }
        ASSERT_EQ(imported.records.size(), 1u) << expected.toStdString();
        const StationRecord& r = imported.records.front();
        const QStringList shown = {r.unpadded(Field::CallSign).toString(),
                                   r.unpadded(Field::HolderName).toString(),
                                   r.expiry().toString(Qt::ISODate)};
        EXPECT_EQ(shown.join(u'|'), expected);
    }
}

// A spreadsheet program that took a postal code or telephone number for a number dropped its
// leading zero: warned, with row and column, and imported all the same.
TEST(CsvImport, WarnsOfProbablyLostLeadingZeros) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"1020074,0312345678", nullptr},
        {u"102-0074,+81-3-1234-5678", nullptr},
        {u",", nullptr},
        {u"123456,03", u"2 行目 3 列目「無線局〒」：郵便番号「123456」は 7 桁に足りません。"},
        {u"102-0074,(03)1234", u"2 行目 4 列目「申請書Tel」：電話番号「(03)1234」が 0 で始"}};
    for (const auto& [cells, warning] : cases) {
        const csvfile::Imported imported = csvfile::importCsv(
            utf8(u"ｺｰﾙｻｲﾝ,免許番号,無線局〒,申請書Tel,免許期限(ISO)\r\nＪＡ１,L,"_qs +
                 QString::fromUtf16(cells) + u",2024-03-31\r\n"_qs));
        ASSERT_EQ(imported.records.size(), 1u) << imported.result.error.toStdString();
        ASSERT_EQ(imported.warnings.size(), warning ? 1 : 0);
        if (warning) {
            EXPECT_TRUE(imported.warnings.front().startsWith(QStringView(warning)))
                << imported.warnings.front().toStdString();
        }
    }
}

// Only commas, quotes, line breaks and spaces at an end make a field quoted; the dates come as
// the era text and as ISO (a value that is no date as its bits); the padding is left out.
TEST(CsvExport, WritesEveryFieldAsTheRecordHoldsIt) {
    // Texts a CSV writer must quote or keep as they are, and an expiry that is no date.
    std::vector<StationRecord> records(2);
    records[0].set(Field::CallSign, u"ＪＡ１ＡＢＣ");
    records[0].set(Field::LicenceNo, u"関第12345号");
    records[0].setExpiry(QDate(2024, 3, 31));
    records[0].set(Field::HolderName, u" 髙橋①㈱");
    records[0].set(Field::HolderKana, u"ﾀｶﾊｼ ｲﾁ");
    records[0].set(Field::StationZip, u"表示ｶﾝﾏ\\"); // 表 ends in the byte of a backslash
    records[0].set(Field::StationAddr1, u"東京都\"千代田区\",九段南");
    records[0].set(Field::StationAddr2, u"一行目\r\n二行目");
    records[0].set(Field::ClubName, u"表示,ソ能");
    records[0].set(Field::ApplicantAddr1, u"後に空白   ");
    records[1].set(Field::CallSign, u"ＪＲ１");
    records[1].ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    const QString csv =
        kHeader +
        u"\r\nＪＡ１ＡＢＣ,関第12345号,令和6年03月31日,2024-03-31,,\" 髙橋①㈱\",ﾀｶﾊｼ ｲﾁ,表示ｶﾝﾏ\\,"
        u"\"東京都\"\"千代田区\"\",九段南\",\"一行目\r\n二行目\",\"表示,ソ能\",,,,,後に空白,,"
        u"\r\nＪＲ１,,,0x7FF8000000000000,,,,,,,,,,,,,,\r\n"_qs;
    EXPECT_EQ(csvfile::exportCsv(records, csvfile::Encoding::Utf8).bytes,
              "\xEF\xBB\xBF" + utf8(csv));
    EXPECT_EQ(csvfile::exportCsv(records, csvfile::Encoding::Cp932).bytes, sjis(csv));
    // Imported back it gives the same records, a time of day and a NaN's payload included.
    records[0].ExpiryDate += 0.5;
    const quint64 nanBits = 0x7FF8000000000123;
    std::memcpy(&records[1].ExpiryDate, &nanBits, sizeof nanBits);
    const csvfile::Imported back =
        csvfile::importCsv(csvfile::exportCsv(records, csvfile::Encoding::Utf8).bytes);
    ASSERT_EQ(back.records.size(), 2u) << back.result.error.toStdString();
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(datafile::encodeRecord(back.records[i]), datafile::encodeRecord(records[i]));
    // Code page 932 cannot hold every character: the message names the record and the column.
    records[1].set(Field::HolderName, u"Renée");
    const csvfile::Exported refused = csvfile::exportCsv(records, csvfile::Encoding::Cp932);
    EXPECT_TRUE(refused.result.error.startsWith(
        u"2 件目の「氏名」にコードページ932で書き出せない文字「é」"_qs))
        << refused.result.error.toStdString();
    EXPECT_TRUE(refused.bytes.isEmpty());
}
