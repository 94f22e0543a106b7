// Faults injected into saving and reading: whatever fails, the file on disk is the complete old
// version or the complete new one, and the register is as it was.
#include "platform/fileerror.h"
#include "record/datafile.h"
#include "support/samplestation.h"
#include "support/tempfolder.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<StationRecord> registerOf(int count, const QString& name) {
    return std::vector<StationRecord>(
        size_t(count), sampleStation(u"ＪＡ１"_qs, u"関第1号"_qs, QDate(2030, 1, 1), name));
}

// What a save in a child process reported.
struct ChildSave {
    bool ran = false; // the child got as far as the save
    datafile::Outcome outcome = datafile::Outcome::Done;
    bool dataWritten = false;
    QString error;
};

// Saves store to path in a child process, after prepare (a limit, another user) has run there:
// a fault set up for the child never touches the test itself.
ChildSave saveInChild(RecordStore& store, const QString& path,
                      const std::function<bool()>& prepare) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeEnds[0]);
        if (!prepare())
            ::_exit(3);
        const datafile::OpResult saved = datafile::SaveDataFile(store, path, QDate(2026, 1, 1));
        const QByteArray report = QByteArray::number(int(saved.outcome)) +
                                  (saved.dataWritten ? "1" : "0") + saved.result.error.toUtf8();
        const bool sent = ::write(pipeEnds[1], report.constData(), size_t(report.size())) ==
                          ssize_t(report.size());
        ::_exit(sent ? 0 : 4);
    }
    ::close(pipeEnds[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.size() < 2)
        return {};
    return {true, datafile::Outcome(report[0] - '0'), report[1] == '1',
            QString::fromUtf8(report.mid(2))};
}

// Ten old records on disk, a thousand new ones in the store: a save that fails must leave the
// old file whole and alone.
class FailedSave : public testing::Test {
protected:
    void SetUp() override {
        store.DataFile = dir.file("list.stn");
        ASSERT_TRUE(datafile::writeFile(store.DataFile, registerOf(10, "旧")));
        ASSERT_TRUE(store.load(registerOf(1000, "新")));
        before = dir.read("list.stn");
    }

    void expectOldFileKept(const ChildSave& saved, fileerror::Problem problem) {
        ASSERT_TRUE(saved.ran);
        EXPECT_EQ(saved.outcome, datafile::Outcome::Failed);
        EXPECT_FALSE(saved.dataWritten);
        EXPECT_EQ(saved.error, fileerror::message(problem, store.DataFile));
        EXPECT_EQ(dir.read("list.stn"), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.stn"});
    }

    TempFolder dir;
    RecordStore store;
    QByteArray before;
};

} // namespace

TEST_F(FailedSave, RunningOutOfSpaceKeepsTheOldFile) {
    // A file size limit makes every write past 64 KiB fail, as a full disk does.
    expectOldFileKept(saveInChild(store, store.DataFile,
                                  [] {
                                      std::signal(SIGXFSZ, SIG_IGN);
                                      rlimit limit{64 * 1024, 64 * 1024};
                                      return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
                                  }),
                      fileerror::Problem::DiskFull);
}

TEST_F(FailedSave, IntoAFolderTheUserMayNotWriteKeepsTheOldFile) {
    // Root writes anywhere: the child becomes "nobody", who may read the folder but not write
    // it. Anyone else writes in a folder made read-only, unless a capability lets them anyway.
    const bool root = ::geteuid() == 0;
    const passwd* nobody = ::getpwnam("nobody");
    const QByteArray folder = QFile::encodeName(dir.path());
    ASSERT_EQ(::chmod(folder.constData(), root ? 0755 : 0555), 0);
    if (!root && ::access(folder.constData(), W_OK) == 0)
        GTEST_SKIP() << "this user may write into a read-only folder";
    ASSERT_TRUE(!root || nobody);
    const uid_t uid = nobody ? nobody->pw_uid : 0;
    const gid_t gid = nobody ? nobody->pw_gid : 0;
    const ChildSave saved = saveInChild(store, store.DataFile, [root, uid, gid] {
        return !root || (::setgroups(0, nullptr) == 0 && ::setresgid(gid, gid, gid) == 0 &&
                         ::setresuid(uid, uid, uid) == 0);
    });
    ::chmod(folder.constData(), 0700);
    expectOldFileKept(saved, fileerror::Problem::NoPermission);
}

TEST(Faults, SaveIntoAFolderRemovedMeanwhileReportsNothingSaved) {
    TempFolder dir;
    RecordStore store;
    store.DataFile = dir.file("ham/list.stn");
    ASSERT_TRUE(QDir(dir.path()).mkdir("ham"));
    ASSERT_TRUE(datafile::writeFile(store.DataFile, registerOf(3, "旧")));
    ASSERT_TRUE(store.load(registerOf(5, "新")));
    ASSERT_TRUE(QDir(dir.file("ham")).removeRecursively());
    const datafile::OpResult saved = datafile::SaveDataFile(store, store.DataFile, {2026, 1, 1});
    EXPECT_EQ(saved.outcome, datafile::Outcome::Failed);
    EXPECT_FALSE(saved.dataWritten);
    EXPECT_EQ(saved.result.error, fileerror::message(fileerror::Problem::NotFound, store.DataFile));
    EXPECT_FALSE(QFileInfo::exists(dir.file("ham"))); // nothing made in its place
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
    // Through the store: a folder or a device leaves the register and its file name alone.
    TempFolder dir;
    RecordStore store;
    ASSERT_TRUE(store.load(registerOf(3, "元")));
    store.DataFile = dir.file("mine.stn");
    for (const QString& bad : {dir.path(), QStringLiteral("/dev/null")}) {
        EXPECT_EQ(datafile::OpenDataFile(store, bad, {2026, 1, 1}).outcome,
                  datafile::Outcome::Failed);
        EXPECT_EQ(datafile::AppendDataFile(store, bad, {2026, 1, 1}).outcome,
                  datafile::Outcome::Failed);
    }
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.DataFile, dir.file("mine.stn"));
    EXPECT_EQ(store.Modified, 0);
}
