// The real player's command line: asked for its usage or its version, it answers on standard
// output and ends, with or without a display, as the command-line program does.
#include "tests/player/shell/process/player_process_fixture.h"
#include "tests/tools/cli_support.h"

TEST_F(PlayerProcessTest, HelpAndVersionAnswerWithoutADisplay) {
    const std::string player = "env -u DISPLAY -u WAYLAND_DISPLAY " + environment_ +
                               "QT_QPA_PLATFORM=xcb timeout 10 " TESALO_BIN_DIR "/tesalo-player ";
    for (const char* arguments : {"--version", "-V"}) {
        const CommandResult result = RunCommand(player + arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.err;
        EXPECT_EQ(result.out, "tesalo-player " TESALO_PROJECT_VERSION "\n") << arguments;
        EXPECT_EQ(result.err, "") << arguments;
    }
    for (const char* arguments : {"--help", "-h"}) {
        const CommandResult result = RunCommand(player + arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.err;
        EXPECT_NE(result.out.find("usage:\n  tesalo-player [FILE...]\n"), std::string::npos)
            << result.out;
        EXPECT_EQ(result.err, "") << arguments;
    }
}
