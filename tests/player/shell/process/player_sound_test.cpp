// The player on a desktop's sound server (two sinks, and ALSA listing a second device first): an
// idle player leaves the default sink idle, and the quality stored by the settings dialog plays
// there, after the restart, in its own format.
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/player/shell/process/player_process_fixture.h"
#include "tests/support/sound_server.h"
#include "tests/tools/cli_support.h"

TEST_F(PlayerProcessTest, OnASoundServerTheStoredQualityPlaysOnTheDefaultSinkAndIdleCostsNothing) {
    if (!SoundServer::Installed()) GTEST_SKIP() << "pulseaudio and pactl are not installed";
    std::filesystem::remove(home_ + "/.asoundrc");  // the server's default device, not the file
    SoundServer server(home_);
    ASSERT_TRUE(server.Running()) << ReadWholeFile(home_ + "/pulseaudio.log");
    std::filesystem::create_directories(home_ + "/config/tesalo");
    std::ofstream(home_ + "/config/tesalo/registry.reg")
        << "Windows Registry Editor Version "
           "5.00\n\n[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
        << "\"waveQuality\"=dword:00000003\n";
    environment_ += server.Environment();

    const pid_t idle = StartPlayer();
    ASSERT_TRUE(WindowAppears()) << Log();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_NE(server.SinkState("one"), "RUNNING") << "an idle player keeps the sink running";
    Stop(idle);

    const pid_t playing = StartPlayer(TESALO_BIN_DIR "/demo/glass_tide.mid");
    const SoundServer::Stream stream = server.FirstStream();
    EXPECT_EQ(stream.sink, "one") << Log();
    EXPECT_EQ(stream.format, "s16le 1ch 44100Hz");
    Stop(playing);
}
