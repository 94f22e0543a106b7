// Faults injected into saving and reading: whatever fails, the files on disk are the complete
// old version or the complete new one, and the register is as it was.
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "support/tempfolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<StationRecord> registerOf(int count, const QString& name) {
    auto records = std::vector<StationRecord>(size_t(count));
    for (int i = 0; i < count; ++i) {
        records[size_t(i)].set(Field::CallSign, QStringLiteral("ＪＡ%1").arg(i % 10));
        records[size_t(i)].set(Field::HolderName, name);
        records[size_t(i)].set(Field::StationAddr1, QString(25, QChar(u'東')));
        records[size_t(i)].setExpiry(QDate(2030, 1, 1).addDays(i % 1000));
    }
    return records;
}

// Runs body in a child process and returns its exit status (-signal when killed).
template <typename Body> int inChild(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// Files in a folder other than the ones named.
QStringList strayFiles(const QString& folder, const QStringList& expected) {
    QStringList found = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : expected)
        found.removeAll(name);
    return found;
}

// A device that fails after giving some bytes, like a file that becomes unreadable.
class FailingDevice final : public QIODevice {
public:
    FailingDevice(QByteArray bytes, qint64 failAt, bool endEarly)
        : bytes_(std::move(bytes)), failAt_(failAt), endEarly_(endEarly) {
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* data, qint64 max) override {
        if (pos_ >= failAt_) {
            setErrorString(QStringLiteral("入出力エラー"));
            return endEarly_ ? 0 : -1;
        }
        const qint64 n = qMin(max, failAt_ - pos_);
        std::memcpy(data, bytes_.constData() + pos_, size_t(n));
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 failAt_;
    qint64 pos_ = 0;
    bool endEarly_;
};

} // namespace

TEST(Faults, SaveThatRunsOutOfSpaceKeepsTheOldFile) {
    TempFolder dir;
    const QString path = dir.file("list.stn");
    ASSERT_TRUE(datafile::writeFile(path, registerOf(10, "旧")));
    const QByteArray before = dir.read("list.stn");
    // A file size limit makes every write past 64 KiB fail, as a full disk does.
    const int status = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Result r = datafile::writeFile(path, registerOf(1000, "新"));
        return r ? 0 : (r.error.isEmpty() ? 2 : 1);
    });
    EXPECT_EQ(status, 1); // reported, with a text
    EXPECT_EQ(dir.read("list.stn"), before);
    EXPECT_EQ(strayFiles(dir.path(), {"list.stn"}), QStringList());

    // The settings file likewise.
    SettingsValues v;
    v.Zoom = 2;
    const QString ini = dir.file("tessaly.ini");
    ASSERT_TRUE(settingsfile::WriteSettings(ini, v));
    const QByteArray iniBefore = dir.read("tessaly.ini");
    const int settingsStatus = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SettingsValues other;
        other.DataFile = QString(400, QLatin1Char('x'));
        return settingsfile::WriteSettings(ini, other) ? 0 : 1;
    });
    EXPECT_EQ(settingsStatus, 1);
    EXPECT_EQ(dir.read("tessaly.ini"), iniBefore);
}

TEST(Faults, SaveIntoAReadOnlyFolderKeepsTheOldFile) {
    TempFolder dir;
    const QString folder = dir.file("ro");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/list.stn";
    ASSERT_TRUE(datafile::writeFile(path, registerOf(3, "旧")));
    const QByteArray before = dir.read("ro/list.stn");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                      QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                    QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const int status = inChild([&] {
        // Root writes anywhere, so the save runs as an ordinary user.
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)
                return 3;
        }
        return datafile::writeFile(path, registerOf(5, "新")) ? 0 : 1;
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_NE(status, 3) << "could not become an ordinary user";
    EXPECT_EQ(status, 1);
    EXPECT_EQ(dir.read("ro/list.stn"), before);
}

TEST(Faults, SaveIntoAFolderDeletedMeanwhileChangesNothing) {
    TempFolder dir;
    ASSERT_TRUE(QDir().mkdir(dir.file("gone")));
    RecordStore store;
    ASSERT_TRUE(store.load(registerOf(4, "名")));
    store.DataFile = dir.file("gone/list.stn");
    ASSERT_TRUE(QDir(dir.file("gone")).removeRecursively());
    const auto saved = datafile::SaveDataFile(store, store.DataFile, QDate(2026, 1, 1));
    EXPECT_EQ(saved.outcome, datafile::Outcome::Failed);
    EXPECT_FALSE(saved.dataWritten);
    EXPECT_FALSE(saved.result.error.isEmpty());
    EXPECT_EQ(store.Count(), 4);
    EXPECT_FALSE(QDir(dir.file("gone")).exists());
}

TEST(Faults, KilledInTheMiddleOfASaveLeavesAWholeFile) {
    TempFolder dir;
    const QString path = dir.file("list.stn");
    const auto oldRecords = registerOf(200, "旧");
    const auto newRecords = registerOf(RecordStore::kMaxRecords, "新");
    ASSERT_TRUE(datafile::writeFile(path, oldRecords));
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
        const bool whole =
            after == before || after.size() == qint64(newRecords.size()) * datafile::kRecordSize;
        EXPECT_TRUE(whole) << "size " << after.size() << " after " << delayMs << " ms";
        if (after.size() == qint64(newRecords.size()) * datafile::kRecordSize) {
            const auto read = datafile::readFile(path);
            ASSERT_TRUE(read.result);
            EXPECT_EQ(read.records.back(), newRecords.back());
        }
    }
}

TEST(Faults, ReadThatFailsHalfWayChangesNothing) {
    const QByteArray bytes = datafile::encodeRecord(registerOf(1, "名").front()).repeated(10);
    for (bool endEarly : {false, true}) {
        FailingDevice device(bytes, 2000, endEarly);
        const Result read =
            datafile::readRecords(device, bytes.size(), "list.stn", [](StationRecord&&) {});
        EXPECT_FALSE(read);
        EXPECT_FALSE(read.error.isEmpty());
    }
    // Through the store: an unreadable file leaves the register and DataFile alone.
    TempFolder dir;
    RecordStore store;
    ASSERT_TRUE(store.load(registerOf(3, "元")));
    store.DataFile = dir.file("mine.stn");
    ASSERT_TRUE(QDir().mkdir(dir.file("folder.stn")));
    for (const QString& bad : {dir.file("folder.stn"), QStringLiteral("/dev/null")}) {
        const auto opened = datafile::OpenDataFile(store, bad, QDate(2026, 1, 1));
        EXPECT_EQ(opened.outcome, datafile::Outcome::Failed) << bad.toStdString();
        const auto merged = datafile::AppendDataFile(store, bad, QDate(2026, 1, 1));
        EXPECT_EQ(merged.outcome, datafile::Outcome::Failed);
    }
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.DataFile, dir.file("mine.stn"));
    EXPECT_EQ(store.Modified, 0);
}
