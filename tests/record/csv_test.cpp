// The register's CSV form: what the import accepts and refuses, how the export quotes, and a
// second reader (Python's csv module) reading the export.
#include "platform/cp932.h"
#include "record/csvcolumns.h"
#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/eradate.h"
#include "record/serialdate.h"
#include "support/tempfolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>
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

struct ReadCase {
    const char* name;
    QByteArray csv;
    // Expected in the message, row and column first; empty when the file is accepted.
    QString error;
    // Accepted: the one record's call sign, holder name and expiry.
    QString callSign = {};
    QString holder = {};
    QDate expiry = {};
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<ReadCase> readCases() {
    const QString h = QStringLiteral("ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO)\r\n");
    return {
        {"bad ISO date", utf8(h + u"ＪＡ１ＡＢＣ,関第1号,2024-02-30\r\n"_qs),
         u"2 行目 3 列目「免許期限(ISO)」：日付として読めません"_qs},
        {"no expiry in either column",
         utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限,免許期限(ISO)\r\nＪＡ１,関第1号,, \r\n"_qs),
         u"2 行目 4 列目「免許期限(ISO)」：免許期限がありません"_qs},
        {"longer than the field in code page 932 bytes",
         utf8(h + u"ＪＡ１ＡＢＣＤ,関第1号,2024-03-31\r\n"_qs),
         u"2 行目 1 列目「ｺｰﾙｻｲﾝ」：長すぎます（14 バイト）"_qs},
        {"character code page 932 cannot hold",
         utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO),氏名\r\nＪＡ１,関第1号,2024-03-31,Renée\r\n"_qs),
         u"2 行目 4 列目「氏名」：保存できない文字「é」"_qs},
        {"character that would be stored as a look-alike",
         utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO),氏名\r\nＪＡ１,関第1号,2024-03-31,山田〜\r\n"_qs),
         u"2 行目 4 列目「氏名」：文字「〜」はそのまま保存できません（「～」になります）"_qs},
        {"quote inside a field", utf8(h + u"\"ＪＡ１\"X,関第1号,2024-03-31\r\n"_qs),
         u"2 行目 1 列目：引用符（\"）の使い方が正しくありません"_qs},
        {"no call sign column", utf8(u"免許番号,免許期限(ISO)\r\n関第1号,2024-03-31\r\n"_qs),
         u"1 行目：「ｺｰﾙｻｲﾝ」の列がありません"_qs},
        {"no expiry column", utf8(u"ｺｰﾙｻｲﾝ,免許番号\r\nＪＡ１,関第1号\r\n"_qs),
         u"1 行目：「免許期限」または「免許期限(ISO)」の列がありません"_qs},
        {"a column twice (the same caption in full-width)",
         utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO),コールサイン\r\n"_qs),
         u"1 行目 4 列目「コールサイン」：同じ見出しの列が 1 列目にもあります"_qs},
        {"a value in a column without a caption", utf8(h + u"ＪＡ１,関第1号,2024-03-31,,x\r\n"_qs),
         u"2 行目 5 列目：見出しのない列に値があります"_qs},
        {"bytes that are no code page 932 character",
         sjis(h + u"ＪＡ１"_qs) + "\x81" + sjis(u",関第1号,2024-03-31\r\n"_qs),
         u"2 行目 1 列目「ｺｰﾙｻｲﾝ」：コードページ932 の文字として読めないバイト（0x81）"_qs},
        {"rows count records: a line break inside quotes, a blank line",
         utf8(u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO),無線局住所1\r\n"
              u"ＪＡ１,関第1号,2024-03-31,\"東京都\r\n千代田区\"\r\n\r\n"
              u"ＪＡ２,関第2号,2024-02-30,\r\n"_qs),
         u"4 行目 3 列目「免許期限(ISO)」"_qs},
        {"empty file", QByteArray(), u"1 行目：見出しの行がありません"_qs},

        {"code page 932, columns in any order, unknown ones, the era text",
         sjis(u"備考,氏名,免許期限,免許番号,コールサイン\r\n"
              u"メモ, 山田 太郎  ,令和6年3月31日,関第1号,ＪＡ１ＡＢＣ\r\n"_qs),
         {},
         u"ＪＡ１ＡＢＣ"_qs,
         u" 山田 太郎"_qs,
         QDate(2024, 3, 31)},
        {"UTF-8 without a mark; the ISO cell, as a spreadsheet rewrites it, wins",
         utf8(
             u"ｺｰﾙｻｲﾝ,免許番号,免許期限,免許期限(ISO)\r\nＪＡ１,関第1号,令和1年05月01日,2024/3/31,,"_qs),
         {},
         u"ＪＡ１"_qs,
         {},
         QDate(2024, 3, 31)},
        {"UTF-8 with a mark; the era text when the ISO cell is missing; blank rows",
         "\xEF\xBB\xBF" + utf8(u"\r\nｺｰﾙｻｲﾝ,免許番号,免許期限,免許期限(ISO)\r\n,,,\r\n"
                               u"\"ＪＡ１\",関第1号,令和6年03月31日\r\n\r\n"_qs),
         {},
         u"ＪＡ１"_qs,
         {},
         QDate(2024, 3, 31)},
    };
}

class CsvRead : public ::testing::TestWithParam<ReadCase> {};

} // namespace

TEST_P(CsvRead, AcceptsAWholeGoodFileAndNamesRowAndColumnOfEveryFault) {
    const ReadCase& c = GetParam();
    SCOPED_TRACE(c.name);
    const csvfile::Imported imported = csvfile::importCsv(c.csv);
    if (!c.error.isEmpty()) {
        ASSERT_FALSE(imported.result);
        EXPECT_TRUE(imported.result.error.startsWith(c.error))
            << imported.result.error.toStdString();
        EXPECT_TRUE(imported.records.empty());
        return;
    }
    ASSERT_TRUE(imported.result) << imported.result.error.toStdString();
    ASSERT_EQ(imported.records.size(), 1u);
    const StationRecord& r = imported.records.front();
    EXPECT_EQ(r.unpadded(Field::CallSign), c.callSign);
    EXPECT_EQ(r.unpadded(Field::HolderName), c.holder);
    EXPECT_EQ(r.ExpiryDate, serialdate::fromDate(c.expiry));
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvRead, ::testing::ValuesIn(readCases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// Only commas, quotes, line breaks and spaces at an end make a field quoted, and a second,
// independent reader (Python's csv module) reads every field of the export, in both encodings,
// as the record holds it.
TEST(CsvExport, QuotesOnlyWhatNeedsItAndPythonReadsEveryField) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    ASSERT_FALSE(python.isEmpty()) << "python3 is needed (tools/deps.sh installs it)";
    std::vector<StationRecord> records(3);
    records[0].set(Field::CallSign, u"ＪＡ１ＡＢＣ");
    records[0].set(Field::LicenceNo, u"関第12345号");
    records[0].setExpiry(QDate(2024, 3, 31));
    records[0].set(Field::HolderName, u" 髙橋①㈱");
    records[0].set(Field::HolderKana, u"ﾀｶﾊｼ ｲﾁ");
    records[0].set(Field::StationZip, u"表示ｶﾝﾏ\\"); // 表 ends in the byte of a backslash
    records[0].set(Field::StationAddr1, u"東京都\"千代田区\",九段南");
    records[0].set(Field::StationAddr2, u"一行目\r\n二行目");
    records[0].set(Field::ApplicantTel, u"03-1234-5678");
    records[1].set(Field::CallSign, u"7K1XYZ");
    records[1].setExpiry(QDate(1989, 1, 8));
    records[1].set(Field::ClubName, u"表示,ソ能");
    records[1].set(Field::ApplicantAddr1, u"後に空白   ");
    records[2].set(Field::CallSign, u"ＪＲ１");
    records[2].ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    const QStringList iso = {u"2024-03-31"_qs, u"1989-01-08"_qs, u"0x7FF8000000000000"_qs};
    const QStringList era = {u"令和6年03月31日"_qs, u"平成1年01月08日"_qs, QString()};
    const QString quoted = u",\" 髙橋①㈱\",ﾀｶﾊｼ ｲﾁ,表示ｶﾝﾏ\\,\"東京都\"\"千代田区\"\",九段南\","
                           u"\"一行目\r\n二行目\",,,"_qs;

    TempFolder dir;
    for (const auto& [encoding, codec] : {std::pair{csvfile::Encoding::Utf8, "utf-8-sig"},
                                          std::pair{csvfile::Encoding::Cp932, "cp932"}}) {
        SCOPED_TRACE(codec);
        const QString path = dir.file(u"export.csv"_qs);
        ASSERT_TRUE(csvfile::writeCsv(path, records, encoding));
        const QByteArray bytes = dir.read(u"export.csv"_qs);
        const bool isUtf8 = encoding == csvfile::Encoding::Utf8;
        EXPECT_TRUE(bytes.startsWith((isUtf8 ? "\xEF\xBB\xBF" : "") +
                                     (isUtf8 ? utf8(kHeader) : sjis(kHeader)) + "\r\n"));
        EXPECT_TRUE(bytes.contains(isUtf8 ? utf8(quoted) : sjis(quoted)));
        QProcess process;
        process.start(python, {u"-c"_qs,
                               u"import csv, json, sys\n"
                               u"with open(sys.argv[1], encoding=sys.argv[2], newline='') as f:\n"
                               u"    json.dump(list(csv.reader(f, strict=True)), sys.stdout)\n"_qs,
                               path, QString::fromLatin1(codec)});
        ASSERT_TRUE(process.waitForFinished(30000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        const QJsonArray rows = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
        ASSERT_EQ(rows.size(), 4);
        EXPECT_EQ(rows[0].toVariant().toStringList(), kHeader.split(u','));
        for (int k = 0; k < 3; ++k) {
            const QStringList fields = rows[k + 1].toVariant().toStringList();
            ASSERT_EQ(fields.size(), 18);
            EXPECT_EQ(fields[2], era[k]);
            EXPECT_EQ(fields[3], iso[k]);
            const auto& columns = csvfile::columns();
            for (size_t c = 0; c < columns.size(); ++c) {
                if (columns[c].kind == csvfile::ColumnKind::Text) {
                    EXPECT_EQ(fields[qsizetype(c)], records[size_t(k)].unpadded(columns[c].field))
                        << "row " << k + 1 << " column " << c + 1;
                }
            }
        }
    }
    // Code page 932 cannot hold every character: the message names the record and the column.
    records[1].set(Field::HolderName, u"Renée");
    const csvfile::Exported refused = csvfile::exportCsv(records, csvfile::Encoding::Cp932);
    EXPECT_TRUE(refused.result.error.startsWith(
        u"2 件目の「氏名」にコードページ932で書き出せない文字「é」"_qs))
        << refused.result.error.toStdString();
    EXPECT_TRUE(refused.bytes.isEmpty());
}
