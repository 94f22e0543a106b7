// The CSV round trip through velmora-tool: a full register exported and imported into a new
// data file gives the same bytes, every value the register keeps included.
#include "record/datafile.h"
#include "support/fullregister.h"
#include "support/tempfolder.h"
#include "tool/commands.h"

#include <QDir>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

TEST(CsvTool, FullRegisterRoundTripsByteForByte) {
    std::vector<StationRecord> records = fullRegister();
    // What the register keeps exactly although the grid shows it otherwise: stored values that
    // are no whole day, and spaces at the left end of a text. The register stays sorted.
    records.front().ExpiryDate = -0.0;
    records[1].ExpiryDate += 0.5;
    records[2].set(Field::CallSign, u" ＪＡ１");
    records[2].set(Field::HolderName, u"山\"田\",太郎");
    records[2].set(Field::StationAddr1, u"東京都\r\n千代田区");
    records[2].set(Field::ClubName, u"");
    const quint64 nanBits = 0x7FF8000000000123;
    std::memcpy(&records.back().ExpiryDate, &nanBits, sizeof nanBits);

    TempFolder dir;
    QDir(dir.path()).mkdir(u"BackUp"_qs);
    const QString original = dir.file(u"full.stn"_qs);
    ASSERT_TRUE(datafile::writeFile(original, records));
    const QString csv = dir.file(u"full.csv"_qs);
    const QString copy = dir.file(u"copy.stn"_qs);
    ASSERT_EQ(tool::run({u"velmora-tool"_qs, u"export"_qs, original, u"--out"_qs, csv}), 0);
    ASSERT_EQ(tool::run({u"velmora-tool"_qs, u"import"_qs, csv, u"--into"_qs, copy}), 0);
    const QByteArray bytes = dir.read(u"full.stn"_qs);
    EXPECT_TRUE(dir.read(u"copy.stn"_qs) == bytes); // not EXPECT_EQ: no 15 MB dump on failure
    // The day's backup copy, as the program's save makes it.
    EXPECT_TRUE(dir.read(u"BackUp/"_qs + QDate::currentDate().toString(u"yyyyMMdd"_qs) +
                         u"copy.stn"_qs) == bytes);

    // One station more does not fit: nothing is written.
    const QString one = dir.write(
        u"one.csv"_qs, u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO)\r\nＪＡ１,関第1号,2030-01-01"_qs.toUtf8());
    ASSERT_EQ(tool::run({u"velmora-tool"_qs, u"import"_qs, one, u"--into"_qs, copy}), 1);
    EXPECT_TRUE(dir.read(u"copy.stn"_qs) == bytes);
    EXPECT_EQ(tool::run({u"velmora-tool"_qs, u"export"_qs, original, u"--encoding"_qs, u"latin1"_qs,
                         u"--out"_qs, csv}),
              2);
}
