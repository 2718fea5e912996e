#include "desktop/TerminationSignals.h"
#include "support/ProgramProcess.h"

#include <gtest/gtest.h>

#include <csignal>

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

INSTANTIATE_TEST_SUITE_P(TerminationSignals, TerminationSignalsTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(info.param == SIGTERM  ? "Sigterm"
                                                : info.param == SIGINT ? "Sigint"
                                                                       : "Sighup");
                         });

} // namespace garabel::test
