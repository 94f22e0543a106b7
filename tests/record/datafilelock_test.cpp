#include "record/datafilelock.h"
#include "support/tempfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <gtest/gtest.h>

TEST(DataFileLock, HeldFileIsRefusedWithItsHostAndProcessUntilLetGo) {
    TempFolder dir;
    const QString file = dir.file(u"LIST.stn"_qs);
    DataFileLock held;
    ASSERT_TRUE(held.tryLock(file));
    EXPECT_TRUE(QFile::exists(dir.file(u".LIST.stn.lock"_qs)));
    EXPECT_TRUE(held.tryLock(file)); // asking again for the file it holds

    DataFileLock other;
    // Another spelling of the same file is the same file.
    const Result refused = other.tryLock(dir.path() + u"/./LIST.stn"_qs);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error.contains(
        u"（ホスト %1、プロセス %2）が開いています。"_qs.arg(QSysInfo::machineHostName())
            .arg(QCoreApplication::applicationPid())))
        << refused.error.toStdString();
    EXPECT_TRUE(other.dataFile().isEmpty());

    held.unlock();
    EXPECT_FALSE(QFile::exists(dir.file(u".LIST.stn.lock"_qs)));
    EXPECT_TRUE(other.tryLock(file));

    // A refused switch keeps the file held before; one that succeeds lets go of the old file.
    ASSERT_TRUE(held.tryLock(dir.file(u"A.stn"_qs)));
    EXPECT_FALSE(held.tryLock(file));
    EXPECT_EQ(held.dataFile(), dir.file(u"A.stn"_qs));
    EXPECT_FALSE(other.tryLock(dir.file(u"A.stn"_qs)));
    other.unlock();
    ASSERT_TRUE(held.tryLock(file));
    EXPECT_TRUE(other.tryLock(dir.file(u"A.stn"_qs)));
}

// A lock file whose process has ended (its number is beyond any process number Linux gives
// out), or one its writer never finished, is taken over.
class LeftLock : public testing::TestWithParam<const char*> {};

TEST_P(LeftLock, IsTakenOver) {
    TempFolder dir;
    dir.write(u".LIST.stn.lock"_qs, GetParam());
    DataFileLock lock;
    EXPECT_TRUE(lock.tryLock(dir.file(u"LIST.stn"_qs)));
    EXPECT_TRUE(dir.read(u".LIST.stn.lock"_qs)
                    .startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
}

INSTANTIATE_TEST_SUITE_P(Contents, LeftLock, testing::Values("4194305\nvelmora\n\n", ""));
