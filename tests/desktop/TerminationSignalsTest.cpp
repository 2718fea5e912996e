#include "desktop/TerminationSignals.h"
#include "support/ProgramProcess.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

namespace garabel::test {

class TerminationSignalsTest : public ::testing::TestWithParam<int>
{
};

// A logout (SIGHUP), Ctrl+C (SIGINT) or kill (SIGTERM) ends the program as the
// quit question's Yes does, and its temporary settings folder goes with it.
TEST_P(TerminationSignalsTest, EndTheProgramCleanlyAndLeaveNoTemporaryFolder)
{
    ProgramProcess program;
    ASSERT_TRUE(program.start());
    program.signalAndWait(GetParam());
    EXPECT_TRUE(program.exitedCleanly());
    EXPECT_EQ(program.leftInTemp().join(QLatin1Char(' ')).toStdString(), "");
}

// Once the catcher is gone its handler is too: a late signal is ignored rather
// than sent to a closed descriptor.
TEST_P(TerminationSignalsTest, AreIgnoredOnceTheCatcherIsGone)
{
    struct sigaction before = {};
    ::sigaction(GetParam(), nullptr, &before);
    { TerminationSignals catcher; }
    struct sigaction after = {};
    ::sigaction(GetParam(), &before, &after);
    EXPECT_EQ(after.sa_handler, SIG_IGN);
}

// Whatever the window is doing (here its thread never comes back to the event
// loop), the program is gone soon after a TERM: a watchdog ends it.
TEST(TerminationWatchdog, EndsTheProgramWhenTheOrderlyWayOutDoesNotComeInTime)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EXIT(
        {
            const TerminationSignals catcher;
            ::raise(SIGTERM);
            std::this_thread::sleep_for(std::chrono::seconds(30));
            std::exit(0);
        },
        ::testing::ExitedWithCode(128 + SIGTERM), "");
    // The child starts the test program afresh before it gets the signal.
    EXPECT_LT(clock.elapsed(), 8000);
}

INSTANTIATE_TEST_SUITE_P(TerminationSignals, TerminationSignalsTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(info.param == SIGTERM  ? "Sigterm"
                                                : info.param == SIGINT ? "Sigint"
                                                                       : "Sighup");
                         });

} // namespace garabel::test
