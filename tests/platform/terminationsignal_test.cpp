#include "platform/terminationsignal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <csignal>
#include <gtest/gtest.h>

TEST(TerminationSignal, TurnsSigtermIntoASignalAndRestoresTheDefaultAfterwards) {
    {
        TerminationSignal termination;
        int reported = 0;
        QObject::connect(&termination, &TerminationSignal::terminate, [&reported] { ++reported; });
        EXPECT_FALSE(termination.received());
        // Without the handler, this would end the test program.
        ASSERT_EQ(std::raise(SIGTERM), 0);
        const QDeadlineTimer deadline(5000);
        while (reported == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        EXPECT_EQ(reported, 1);
        EXPECT_TRUE(termination.received());
    }
    struct sigaction now = {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}
