#include "record/datafile.h"
#include "support/tempfolder.h"
#include "tool/commands.h"
#include "tool/dump.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(Dump, OneJsonObjectPerRecordWithTrimmedFields) {
    StationRecord r;
    r.set(Field::CallSign, u"ＪＡ１ＡＢＣ");
    r.set(Field::HolderName, u" 山田\"太郎\" ");
    r.set(Field::StationAddr1, u"東京都\\千代田区\t1");
    r.setExpiry(QDate(2024, 3, 31));
    QByteArray out;
    tool::appendJsonLine(out, r);
    ASSERT_TRUE(out.endsWith('\n'));
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    EXPECT_EQ(o.keys().size(), 18);
    EXPECT_EQ(o["CallSign"].toString(), u"ＪＡ１ＡＢＣ");
    EXPECT_EQ(o["HolderName"].toString(), u"山田\"太郎\"");
    EXPECT_EQ(o["StationAddr1"].toString(), u"東京都\\千代田区\t1");
    EXPECT_EQ(o["ExpiryDate"].toString(), u"2024-03-31");
    EXPECT_EQ(o["ExpiryEra"].toString(), u"令和6年03月31日");
    EXPECT_EQ(o["ClubName"].toString(), u"");
    // Keys in record order.
    EXPECT_TRUE(out.startsWith("{\"CallSign\":"));
    EXPECT_LT(out.indexOf("\"ApplicantName\""), out.indexOf("\"ApplicantTel\""));
    EXPECT_LT(out.indexOf("\"ApplicantAddr2\""), out.indexOf("\"ApplicantName\""));

    r.ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    out.clear();
    tool::appendJsonLine(out, r);
    const QJsonObject bad = QJsonDocument::fromJson(out).object();
    EXPECT_TRUE(bad["ExpiryDate"].isNull());
    EXPECT_TRUE(bad["ExpiryEra"].isNull());
}

TEST(Dump, UnreadableFilesExitWithOne) {
    TempFolder dir;
    EXPECT_EQ(tool::run({"velmora-tool", "dump", dir.file("missing.stn")}), 1);
    EXPECT_EQ(tool::run({"velmora-tool", "dump", dir.path()}), 1); // a folder
    EXPECT_EQ(tool::run({"velmora-tool", "dump"}), 2);
    EXPECT_EQ(tool::run({"velmora-tool", "frobnicate"}), 2);
}

TEST(Dump, SortedFollowsTheProgramsOrder) {
    TempFolder dir;
    std::vector<StationRecord> records(3);
    const int days[] = {30, 10, 20};
    for (int i = 0; i < 3; ++i) {
        records[size_t(i)].set(Field::CallSign, QStringLiteral("ＪＡ%1").arg(i));
        records[size_t(i)].setExpiry(QDate(2030, 1, 1).addDays(days[i]));
    }
    ASSERT_TRUE(datafile::writeFile(dir.file("three.stn"), records));
    QByteArray expected;
    for (int i : {1, 2, 0})
        tool::appendJsonLine(expected, records[size_t(i)]);
    // Capture stdout through a temporary file, then put it back.
    const QString out = dir.file("out.jsonl");
    std::fflush(stdout);
    const int saved = ::dup(1);
    QFile capture(out);
    ASSERT_TRUE(capture.open(QIODevice::WriteOnly));
    ::dup2(capture.handle(), 1);
    const int code = tool::run({"velmora-tool", "dump", dir.file("three.stn"), "--sorted"});
    std::fflush(stdout);
    ::dup2(saved, 1);
    ::close(saved);
    capture.close();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(dir.read("out.jsonl"), expected);
}
