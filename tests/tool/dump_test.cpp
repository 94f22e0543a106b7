// velmora-tool dump, export and import.
#include "tool/dump.h"
#include "toolrun.h"

#include <limits>

TEST(Dump, OneJsonObjectPerRecordWithTrimmedFields) {
    StationRecord r;
    r.set(Field::CallSign, u"ＪＡ１ＡＢＣ");
    r.set(Field::HolderName, u" 山田\"太郎\" ");
    r.set(Field::StationAddr1, u"東京都\\千代田区\t1");
    r.setExpiry(QDate(2024, 3, 31));
    QByteArray out;
    tool::appendJsonLine(out, r);
    EXPECT_EQ(out,
              "{\"CallSign\":\"ＪＡ１ＡＢＣ\",\"LicenceNo\":\"\",\"ExpiryDate\":\"2024-03-31\","
              "\"StationType\":\"\",\"HolderName\":\"山田\\\"太郎\\\"\",\"HolderKana\":\"\","
              "\"ClubName\":\"\",\"ClubKana\":\"\",\"StationZip\":\"\",\"StationAddr1\":"
              "\"東京都\\\\千代田区\\u00091\",\"StationAddr2\":\"\",\"ApplicantZip\":\"\","
              "\"ApplicantAddr1\":\"\",\"ApplicantAddr2\":\"\",\"ApplicantName\":\"\","
              "\"ApplicantKana\":\"\",\"ApplicantTel\":\"\",\"ExpiryEra\":\"令和6年03月31日\"}\n");
    r.ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    out.clear();
    tool::appendJsonLine(out, r);
    EXPECT_TRUE(out.contains(",\"ExpiryDate\":null,") && out.endsWith(",\"ExpiryEra\":null}\n"));
}

TEST(Dump, FileOrderOrTheProgramsOrder) {
    const QList<QByteArray> lines = runTool(u"dump "_qs + kSampleRegister).out.split('\n');
    ASSERT_EQ(lines.size(), 10); // nine stations and the end of the last line
    // Line N is the record N that "render --record N" prints.
    const QList<QByteArray> sorted =
        runTool(u"dump %1 --sorted"_qs.arg(kSampleRegister)).out.split('\n');
    const int fileLine[] = {6, 5, 8, 4, 3, 2, 1, 0, 7, 9};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(sorted.value(i), lines[fileLine[i]]) << i;

    EXPECT_EQ(runTool({u"dump"_qs, QStringLiteral(VELMORA_TEST_DATA)}).status, 1); // a folder
    EXPECT_EQ(runTool({u"dump"_qs}).status, 2);
    EXPECT_EQ(runTool(u"dump "_qs + kSampleRegister).err, QString());
}

// An export imported gives the register in the program's order; given the extension .stn, it is
// dumped as the program would open it, with the warning on stderr.
TEST(CsvTool, ExportAndImportGiveTheSameRegister) {
    TempFolder dir;
    const QString csv = dir.file(u"register.csv"_qs);
    const QString copy = dir.file(u"copy.stn"_qs);
    ASSERT_EQ(runTool(u"export %1 --out %2"_qs.arg(kSampleRegister, csv)).status, 0);
    ASSERT_EQ(runTool(u"import %1 --into %2"_qs.arg(csv, copy)).status, 0);
    EXPECT_EQ(runTool(u"dump "_qs + copy).out,
              runTool(u"dump %1 --sorted"_qs.arg(kSampleRegister)).out);
    ASSERT_TRUE(QFile::copy(csv, dir.file(u"register.stn"_qs)));
    const ToolRun dumped = runTool(u"dump "_qs + dir.file(u"register.stn"_qs));
    EXPECT_EQ(dumped.status, 0);
    EXPECT_FALSE(dumped.out.isEmpty());
    EXPECT_TRUE(dumped.err.contains(u"無線局のデータに見えません"_qs)) << qPrintable(dumped.err);
    EXPECT_EQ(runTool(u"export %1 --encoding latin1 --out %2"_qs.arg(kSampleRegister, csv)).status,
              2);
}

// A corrected row updates its station, a new one is added; warnings go to stderr and --strict
// refuses; --dry-run and a refusal leave the file as it was.
TEST(CsvTool, ImportUpdatesMatchedStations) {
    TempFolder dir;
    const QString stn = dir.file(u"reg.stn"_qs);
    ASSERT_TRUE(QFile::copy(kSampleRegister, stn));
    const QByteArray before = dir.read(u"reg.stn"_qs);
    const QString csv =
        dir.write(u"in.csv"_qs, u"ｺｰﾙｻｲﾝ,免許番号,免許期限,申請書Tel\r\n"
                                u"ja1abc,関第1234号,R9.3.17,3-1234-0000\r\n"
                                u"ＪＡ９ＺＺＺ,近第9号,令和１０年１月１日,\r\n"_qs.toUtf8());
    const QString summary =
        u"追加 1件、更新 1件、変更なし 0件\nja1abc（関第1234号）：コールサイン、電話番号\n"_qs;
    const QString warning = u"2 行目 4 列目「申請書Tel」：電話番号「3-1234-0000」が 0 で"_qs;
    const struct {
        QString options;
        int status;
        bool written;
    } cases[] = {{u"--dry-run"_qs, 0, false}, {u"--strict"_qs, 1, false}, {QString(), 0, true}};
    for (const auto& c : cases) {
        const ToolRun run =
            runTool(u"import %1 --into %2 %3"_qs.arg(csv, stn, c.options).trimmed());
        EXPECT_EQ(run.status, c.status) << qPrintable(c.options);
        EXPECT_TRUE(run.err.startsWith(warning)) << qPrintable(run.err);
        EXPECT_EQ(QString::fromUtf8(run.out).startsWith(summary), c.status == 0);
        EXPECT_EQ(dir.read(u"reg.stn"_qs) != before, c.written) << qPrintable(c.options);
    }
}
