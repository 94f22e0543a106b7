// Two real programs on one program folder: the second hands over to the first and ends.
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
