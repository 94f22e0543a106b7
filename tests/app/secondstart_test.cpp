// Two real programs on one program folder: the second hands over to the first and ends.
#include "record/datafile.h"
#include "record/datafilelock.h"
#include "record/settingsfile.h"
#include "support/programcopy.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(SecondStart, HandsOverToTheRunningProgramAndEnds) {
    ProgramCopy program;
    ASSERT_TRUE(program.ready());
    QProcess& first = program.start();
    ASSERT_TRUE(program.startedUp(first));
    EXPECT_TRUE(ProgramCopy::endedCleanly(program.start()));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST(SecondStart, RunsOnItsOwnWhereACrashedProgramLeftItsSocket) {
    ProgramCopy program;
    ASSERT_TRUE(program.ready());
    QProcess& crashed = program.start();
    ASSERT_TRUE(program.startedUp(crashed));
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished());
    ASSERT_TRUE(QDir(program.file(u"BackUP2"_qs)).removeRecursively());

    QProcess& second = program.start();
    ASSERT_TRUE(program.startedUp(second));
    // The second listens in the crashed one's place: a third hands over to it.
    EXPECT_TRUE(ProgramCopy::endedCleanly(program.start()));
    EXPECT_EQ(second.state(), QProcess::Running);
}

// "velmora FILE.stn", as the desktop starts it: the program opens that file, and a later start
// with another file has the running program open that one (whose lock then appears beside it).
TEST(SecondStart, OpensTheFileItIsGivenOrHandsItToTheRunningProgram) {
    ProgramCopy program;
    ASSERT_TRUE(program.ready());
    ASSERT_TRUE(settingsfile::WriteSettings(program.file(QLatin1String(settingsfile::kFileName)),
                                            SettingsValues{}));
    const QString first = program.file(u"first.stn"_qs);
    const QString second = program.file(u"second.stn"_qs);
    ASSERT_TRUE(datafile::writeFile(first, {}));
    ASSERT_TRUE(datafile::writeFile(second, {}));
    QProcess& running = program.start({first});
    ASSERT_TRUE(ProgramCopy::appears(running, DataFileLock::lockPathFor(first)));
    // Given by a name relative to the folder it starts in.
    QProcess& later = program.start({u"second.stn"_qs}, program.folder());
    EXPECT_TRUE(ProgramCopy::endedCleanly(later));
    EXPECT_TRUE(ProgramCopy::appears(running, DataFileLock::lockPathFor(second)));
    EXPECT_EQ(running.state(), QProcess::Running);
}
