// An installation works from any folder: the programs find their libraries in lib/ and the voice
// set in share/tesalo/, and the first-run song list names the demos where they were installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/tools/cli_support.h"

namespace fs = std::filesystem;

TEST(Install, TheInstalledProgramsWorkTogetherFromAnyFolder) {
    const std::string prefix = MakeTempFolder() + "/prefix";
    const CommandResult installed =
        RunCommand("cmake --install " + std::string(TESALO_BUILD_DIR) + " --prefix " + prefix);
    ASSERT_EQ(installed.exitCode, 0) << installed.out << installed.err;
    for (const char* file :
         {"bin/tesalo", "lib/libtesalo.so", "lib/libtesalo.so.0", "lib/tesalo/libplatform.so",
          "include/tesalo.h", "lib/pkgconfig/tesalo.pc", "lib/cmake/tesalo/tesaloConfig.cmake",
          "share/tesalo/voice.txt"}) {
        EXPECT_TRUE(fs::exists(prefix + "/" + file)) << file;
    }
    // A build without the player installs none of its files.
    for (const char* file : {"bin/tesalo-player", "share/applications/tesalo-player.desktop",
                             "share/icons/hicolor/48x48/apps/tesalo-player.png"}) {
        EXPECT_EQ(fs::exists(prefix + "/" + file), TESALO_PLAYER_BUILT) << file;
    }

    const std::string list = ReadWholeFile(prefix + "/share/tesalo/snglst000.lst");
    const std::string song = prefix + "/share/tesalo/demo/morning_lanterns.mid";
    EXPECT_NE(list.find("\r\n" + song + "\r\nMorning Lanterns\r\n"), std::string::npos) << list;

    // Rendered from the root folder, with the voice set it finds by itself: not silence.
    const CommandResult rendered = RunCommand("cd / && " + prefix + "/bin/tesalo render " + song +
                                              " -o " + prefix + "/out.wav");
    ASSERT_EQ(rendered.exitCode, 0) << rendered.err;
    EXPECT_EQ(rendered.err.find("voice.txt"), std::string::npos) << rendered.err;
    WavFile wav;
    ASSERT_TRUE(ParseWav(ReadWholeFile(prefix + "/out.wav"), &wav));
    EXPECT_TRUE(std::any_of(wav.data.begin(), wav.data.end(), [](char s) { return s != '\x80'; }));
    fs::remove_all(fs::path(prefix).parent_path());
}
