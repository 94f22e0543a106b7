#include "record/datafile.h"
#include "support/tempfolder.h"
#include "tool/commands.h"
#include "tool/dump.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

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
