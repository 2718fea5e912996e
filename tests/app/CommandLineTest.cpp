#include "support/ProgramProcess.h"

#include <gtest/gtest.h>

#include <csignal>

namespace garabel::test {

// Run with no display at all: had the program tried to open its window, it
// would have failed to start instead of answering.
TEST(CommandLine, HelpAndVersionAnswerOnTheTerminalWithoutAWindow)
{
    ProgramProcess help;
    EXPECT_TRUE(help.runWithoutDisplay({QStringLiteral("--help")}).startsWith(QStringLiteral("Uso: garabel")));
    EXPECT_TRUE(help.exitedCleanly());

    ProgramProcess version;
    EXPECT_EQ(version.runWithoutDisplay({QStringLiteral("--version")}),
              QStringLiteral("garabel %1\n").arg(QStringLiteral(GARABEL_VERSION)));
    EXPECT_TRUE(version.exitedCleanly());
}

// Qt's own "-platform xcb" would make the program try a display that is not
// there and fail; ignored like the rest, the window opens on the offscreen
// platform of the environment.
TEST(CommandLine, OtherArgumentsChangeNothing)
{
    ProgramProcess program;
    ASSERT_TRUE(program.start({QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-reverse"),
                               QStringLiteral("dibujo.bmp")}));
    program.signalAndWait(SIGTERM);
    EXPECT_TRUE(program.exitedCleanly());
}

} // namespace garabel::test
