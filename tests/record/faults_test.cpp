// Faults injected into saving and reading: whatever fails, the file on disk is the complete old
// version or the complete new one, and the register is as it was.
#include "record/datafile.h"
#include "support/samplestation.h"
#include "support/tempfolder.h"

#include <QBuffer>
#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<StationRecord> registerOf(int count, const QString& name) {
    return std::vector<StationRecord>(
        size_t(count), sampleStation(u"ＪＡ１"_qs, u"関第1号"_qs, QDate(2030, 1, 1), name));
}

} // namespace

TEST(Faults, SaveThatRunsOutOfSpaceKeepsTheOldFile) {
    TempFolder dir;
    const QString path = dir.file("list.stn");
    ASSERT_TRUE(datafile::writeFile(path, registerOf(10, "旧")));
    const QByteArray before = dir.read("list.stn");
    // A file size limit makes every write past 64 KiB fail, as a full disk does.
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Result r = datafile::writeFile(path, registerOf(1000, "新"));
        ::_exit(r ? 0 : (r.error.isEmpty() ? 2 : 1));
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1); // reported, with a text
    EXPECT_EQ(dir.read("list.stn"), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.stn"});
}

TEST(Faults, KilledInTheMiddleOfASaveLeavesAWholeFile) {
    TempFolder dir;
    const QString path = dir.file("list.stn");
    const auto newRecords = registerOf(RecordStore::kMaxRecords, "新");
    const qint64 newSize = qint64(newRecords.size()) * datafile::kRecordSize;
    ASSERT_TRUE(datafile::writeFile(path, registerOf(200, "旧")));
    const QByteArray before = dir.read("list.stn");
    for (int delayMs : {1, 5, 20, 60}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (;;)
                datafile::writeFile(path, newRecords);
        }
        ::usleep(useconds_t(delayMs) * 1000);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const QByteArray after = dir.read("list.stn");
        EXPECT_TRUE(after == before || after.size() == newSize) << after.size() << " bytes";
    }
}

TEST(Faults, ReadThatFailsHalfWayChangesNothing) {
    // A device that cannot be read, and a file that ends before its length says.
    QBuffer unreadable;
    QByteArray shorter = datafile::encodeRecord(StationRecord()).repeated(3);
    QBuffer ending(&shorter);
    ending.open(QIODevice::ReadOnly);
    for (QBuffer* device : {&unreadable, &ending}) {
        const Result read = datafile::readRecords(*device, 10 * 449, "list.stn", [](auto&&) {});
        EXPECT_FALSE(read.error.isEmpty());
    }
    // Through the store: a folder, a device or a file of one record more than the limit leaves the
    // register and DataFile alone.
    TempFolder dir;
    RecordStore store;
    ASSERT_TRUE(store.load(registerOf(3, "元")));
    store.DataFile = dir.file("mine.stn");
    ASSERT_TRUE(QDir().mkdir(dir.file("folder.stn")));
    QFile huge(dir.file("huge.stn"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) &&
                huge.resize(qint64(RecordStore::kMaxRecords + 1) * 449));
    for (const QString& bad :
         {dir.file("folder.stn"), QStringLiteral("/dev/null"), huge.fileName()}) {
        EXPECT_EQ(datafile::OpenDataFile(store, bad, QDate(2026, 1, 1)).outcome,
                  datafile::Outcome::Failed);
        EXPECT_EQ(datafile::AppendDataFile(store, bad, QDate(2026, 1, 1)).outcome,
                  datafile::Outcome::Failed);
    }
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.DataFile, dir.file("mine.stn"));
    EXPECT_EQ(store.Modified, 0);
}
