// Whole-file reads and writes: a read stops at its limit whatever size the file reports, and
// every file-system failure reaches the user in Japanese, naming the file.
#include "platform/fileerror.h"
#include "record/csvimport.h"
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "record/wholefile.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

using fileerror::Problem;

namespace {

// The sentence of a message, without the path on the lines after it.
QString sentence(const QString& message) {
    return message.section(QLatin1Char('\n'), 0, 0);
}

} // namespace

TEST(ReadAtMost, StopsPastTheLimitWhateverSizeTheFileReports) {
    TempFolder dir;
    QFile sparse(dir.file("sparse"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(1001));
    sparse.close();
    const QString tooLarge = fileerror::text(Problem::TooLarge);
    for (const QString& path : {QStringLiteral("/dev/zero"), sparse.fileName()}) {
        const ReadBytes read = readAtMost(path, 1000);
        EXPECT_EQ(read.result.error, fileerror::message(Problem::TooLarge, path));
        EXPECT_TRUE(read.bytes.isEmpty());
    }
    EXPECT_EQ(readAtMost(sparse.fileName(), 1001).bytes, QByteArray(1001, '\0'));
    // Every reader of a file the user names: a device that never ends is refused.
    SettingsValues values;
    EXPECT_EQ(sentence(settingsfile::ReadSettings("/dev/zero", values).result.error), tooLarge);
    EXPECT_EQ(sentence(csvfile::readCsv("/dev/zero").result.error), tooLarge);
    QFile data(dir.file("big.stn"));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly) && data.resize(datafile::kMaxFileSize + 1));
    EXPECT_EQ(sentence(datafile::copyBackup(data.fileName(), dir.file("copy.stn")).error),
              tooLarge);
    EXPECT_EQ(datafile::recordCount(datafile::kMaxFileSize), RecordStore::kMaxRecords);
}

struct FailureCase {
    const char* name;
    std::function<Result(const TempFolder&)> run;
    QList<Problem> expected; // /sys refuses a new file with EACCES, or EROFS where mounted so
};

class FileFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(FileFailure, IsReportedInJapaneseWithThePath) {
    TempFolder dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const Result result = GetParam().run(dir);
    ASSERT_FALSE(result);
    const QString text = sentence(result.error);
    EXPECT_TRUE(std::any_of(GetParam().expected.begin(), GetParam().expected.end(), [&](Problem p) {
        return fileerror::text(p) == text;
    })) << qPrintable(result.error);
    EXPECT_FALSE(text.contains(QRegularExpression("[A-Za-z]"))) << qPrintable(text);
    EXPECT_TRUE(result.error.section(QLatin1Char('\n'), 1).startsWith(QLatin1Char('/')));
}

INSTANTIATE_TEST_SUITE_P(
    Situations, FileFailure,
    testing::Values(
        FailureCase{"MissingFile",
                    [](const TempFolder& d) { return readAtMost(d.file("none.csv"), 10).result; },
                    {Problem::NotFound}},
        FailureCase{"FolderRead",
                    [](const TempFolder& d) { return readAtMost(d.file("folder"), 10).result; },
                    {Problem::IsFolder}},
        FailureCase{"FolderWritten",
                    [](const TempFolder& d) { return writeWholeFile(d.file("folder"), "x"); },
                    {Problem::IsFolder}},
        FailureCase{
            "MissingParentFolder",
            [](const TempFolder& d) { return datafile::writeFile(d.file("gone/list.stn"), {}); },
            {Problem::NotFound}},
        FailureCase{"SystemFolder",
                    [](const TempFolder&) { return writeWholeFile("/sys/velmora.stn", "x"); },
                    {Problem::NoPermission, Problem::ReadOnly}}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });
