// Two real programs on one program folder: the second hands over to the first and ends.
#include "platform/singleinstance.h"
#include "support/tempfolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Generous: only a broken hand-over comes near it.
constexpr int kWaitMs = 30000;

class SecondStart : public testing::Test {
protected:
    // A copy of the program in a folder of its own, which is then its program folder.
    void SetUp() override {
        ASSERT_TRUE(
            QFile::copy(QCoreApplication::applicationDirPath() + u"/velmora"_qs, program()));
    }
    void TearDown() override {
        for (const auto& process : running_) {
            process->kill();
            process->waitForFinished();
        }
        QLocalServer::removeServer(SingleInstance::serverName(folder_.path()));
    }

    QString program() const { return folder_.file(u"velmora"_qs); }

    QProcess& start() {
        auto& process = *running_.emplace_back(std::make_unique<QProcess>());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program(), {});
        process.waitForStarted();
        return process;
    }

    // Started and listening: the program makes its backup folders after it has taken the
    // name, while it builds its window.
    bool startedUp(QProcess& process) {
        const QDeadlineTimer deadline(kWaitMs);
        while (!QDir(folder_.file(u"BackUP2"_qs)).exists()) {
            if (deadline.hasExpired() || process.waitForFinished(50))
                return false;
        }
        return true;
    }

    // Ended by itself with status 0.
    static bool endedAtOnce(QProcess& process) {
        return process.waitForFinished(kWaitMs) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    TempFolder folder_;
    std::vector<std::unique_ptr<QProcess>> running_;
};

TEST_F(SecondStart, HandsOverToTheRunningProgramAndEnds) {
    QProcess& first = start();
    ASSERT_TRUE(startedUp(first));
    EXPECT_TRUE(endedAtOnce(start()));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SecondStart, RunsOnItsOwnWhereACrashedProgramLeftItsSocket) {
    QProcess& crashed = start();
    ASSERT_TRUE(startedUp(crashed));
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished());
    ASSERT_TRUE(QDir(folder_.file(u"BackUP2"_qs)).removeRecursively());

    QProcess& second = start();
    ASSERT_TRUE(startedUp(second));
    EXPECT_TRUE(endedAtOnce(start())); // the second listens in the crashed one's place
    EXPECT_EQ(second.state(), QProcess::Running);
}

} // namespace
