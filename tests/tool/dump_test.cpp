// velmora-tool dump, export and import.
#include "record/datafile.h"
#include "record/sortorder.h"
#include "tool/dump.h"
#include "toolrun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

TEST(Dump, OneJsonObjectPerRecordWithTrimmedFields) {
    StationRecord r;
    r.set(Field::CallSign, u"ＪＡ１ＡＢＣ");
    r.set(Field::HolderName, u" 山田\"太郎\" ");
    r.set(Field::StationAddr1, u"東京都\\千代田区\t1");
    r.setExpiry(QDate(2024, 3, 31));
    QByteArray out;
    tool::appendJsonLine(out, r);
    EXPECT_TRUE(out.startsWith("{\"CallSign\":") && out.endsWith("}\n")); // in record order
    const QJsonObject o = QJsonDocument::fromJson(out).object();
    EXPECT_EQ(o.keys().size(), 18);
    EXPECT_EQ(o[u"CallSign"_qs].toString(), u"ＪＡ１ＡＢＣ"_qs);
    EXPECT_EQ(o[u"HolderName"_qs].toString(), u"山田\"太郎\""_qs);
    EXPECT_EQ(o[u"StationAddr1"_qs].toString(), u"東京都\\千代田区\t1"_qs);
    EXPECT_EQ(o[u"ExpiryDate"_qs].toString(), u"2024-03-31"_qs);
    EXPECT_EQ(o[u"ExpiryEra"_qs].toString(), u"令和6年03月31日"_qs);

    r.ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    out.clear();
    tool::appendJsonLine(out, r);
    const QJsonObject bad = QJsonDocument::fromJson(out).object();
    EXPECT_TRUE(bad[u"ExpiryDate"_qs].isNull() && bad[u"ExpiryEra"_qs].isNull());
}

TEST(Dump, FileOrderOrTheProgramsOrder) {
    std::vector<StationRecord> records = datafile::readFile(kSampleRegister).records;
    QByteArray inFile;
    for (const StationRecord& r : records)
        tool::appendJsonLine(inFile, r);
    EXPECT_EQ(runTool({u"dump"_qs, kSampleRegister}).out, inFile);
    // Line N is the record N that "render --record N" prints.
    sortByExpiry(records);
    QByteArray sorted;
    for (const StationRecord& r : records)
        tool::appendJsonLine(sorted, r);
    ASSERT_NE(sorted, inFile);
    EXPECT_EQ(runTool({u"dump"_qs, kSampleRegister, u"--sorted"_qs}).out, sorted);

    EXPECT_EQ(runTool({u"dump"_qs, u"missing.stn"_qs}).status, 1);
    EXPECT_EQ(runTool({u"dump"_qs, QStringLiteral(VELMORA_TEST_DATA)}).status, 1); // a folder
    EXPECT_EQ(runTool({u"dump"_qs}).status, 2);
    EXPECT_EQ(runTool({u"frobnicate"_qs}).status, 2);
}

TEST(CsvTool, ExportAndImportGiveTheSameRegister) {
    TempFolder dir;
    const QString csv = dir.file(u"register.csv"_qs);
    const QString copy = dir.file(u"copy.stn"_qs);
    ASSERT_EQ(runTool({u"export"_qs, kSampleRegister, u"--out"_qs, csv}).status, 0);
    ASSERT_EQ(runTool({u"import"_qs, csv, u"--into"_qs, copy}).status, 0);
    // The import keeps the register in the program's order.
    const QByteArray imported = runTool({u"dump"_qs, copy}).out;
    EXPECT_EQ(imported, runTool({u"dump"_qs, kSampleRegister, u"--sorted"_qs}).out);
    EXPECT_EQ(
        runTool({u"export"_qs, kSampleRegister, u"--encoding"_qs, u"latin1"_qs, u"--out"_qs, csv})
            .status,
        2);
}
