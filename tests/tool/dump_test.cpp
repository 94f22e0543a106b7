#include "record/datafile.h"
#include "support/tempfolder.h"
#include "tool/commands.h"
#include "tool/dump.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// What the tool writes to stdout, captured through a temporary file.
QByteArray stdoutOf(const QStringList& args, const TempFolder& dir, int& code) {
    std::fflush(stdout);
    const int saved = ::dup(1);
    QFile capture(dir.file(QStringLiteral("out.jsonl")));
    if (!capture.open(QIODevice::WriteOnly))
        return {};
    ::dup2(capture.handle(), 1);
    code = tool::run(args);
    std::fflush(stdout);
    ::dup2(saved, 1);
    ::close(saved);
    capture.close();
    return dir.read(QStringLiteral("out.jsonl"));
}

} // namespace

TEST(Dump, OneJsonObjectPerRecordWithTrimmedFields) {
    StationRecord r;
    r.set(Field::CallSign, u"ＪＡ１ＡＢＣ");
    r.set(Field::HolderName, u" 山田\"太郎\" ");
    r.set(Field::StationAddr1, u"東京都\\千代田区\t1");
    r.setExpiry(QDate(2024, 3, 31));
    QByteArray out;
    tool::appendJsonLine(out, r);
    EXPECT_TRUE(out.startsWith("{\"CallSign\":") && out.endsWith("}\n")); // in record order
    EXPECT_LT(out.indexOf("\"ApplicantAddr2\""), out.indexOf("\"ApplicantName\""));
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    EXPECT_EQ(o.keys().size(), 18);
    EXPECT_EQ(o["CallSign"].toString(), u"ＪＡ１ＡＢＣ");
    EXPECT_EQ(o["HolderName"].toString(), u"山田\"太郎\"");
    EXPECT_EQ(o["StationAddr1"].toString(), u"東京都\\千代田区\t1");
    EXPECT_EQ(o["ExpiryDate"].toString(), u"2024-03-31");
    EXPECT_EQ(o["ExpiryEra"].toString(), u"令和6年03月31日");

    r.ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    out.clear();
    tool::appendJsonLine(out, r);
    const QJsonObject bad = QJsonDocument::fromJson(out).object();
    EXPECT_TRUE(bad["ExpiryDate"].isNull() && bad["ExpiryEra"].isNull());
}

TEST(Dump, SortedFollowsTheProgramsOrderAndAPartialRecordCounts) {
    TempFolder dir;
    std::vector<StationRecord> records(3);
    const int days[] = {30, 10, 20};
    for (size_t i = 0; i < 3; ++i) {
        records[i].set(Field::CallSign, QStringLiteral("ＪＡ%1").arg(i));
        records[i].setExpiry(QDate(2030, 1, 1).addDays(days[i]));
    }
    const QString path = dir.file(QStringLiteral("three.stn"));
    ASSERT_TRUE(datafile::writeFile(path, records));
    // A trailing piece of 224 bytes is no record; one of 225 is, with the rest blank.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(224, ' '));
    file.close();
    QByteArray expected;
    for (size_t i : {1, 2, 0})
        tool::appendJsonLine(expected, records[i]);
    int code = -1;
    EXPECT_EQ(stdoutOf({"velmora-tool", "dump", path, "--sorted"}, dir, code), expected);
    EXPECT_EQ(code, 0);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(" ");
    file.close();
    const QByteArray plain = stdoutOf({"velmora-tool", "dump", path}, dir, code);
    EXPECT_EQ(plain.count('\n'), 4);
    EXPECT_EQ(plain.count("\"ExpiryDate\":\"1899-12-30\""), 1);

    EXPECT_EQ(tool::run({"velmora-tool", "dump", dir.file("missing.stn")}), 1);
    EXPECT_EQ(tool::run({"velmora-tool", "dump", dir.path()}), 1); // a folder
    EXPECT_EQ(tool::run({"velmora-tool", "dump"}), 2);
    EXPECT_EQ(tool::run({"velmora-tool", "frobnicate"}), 2);
}
