// `tesalo play` through PortAudio into an ALSA file device: the bytes that reach the sound card
// are the bytes the file device receives for the same song. On a sound server the song plays on
// the default sink in the format asked for.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/smf_builder.h"
#include "tests/support/sound_server.h"
#include "tests/tools/cli_support.h"

namespace fs = std::filesystem;

namespace {

const char kSampleChars[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]";

// Tone 1 is one sine cycle, looped; the default drum is a decaying square.
std::string TestVoiceFile() {
    std::string sine, drum;
    for (int i = 0; i < 64; ++i)
        sine += kSampleChars[32 + static_cast<int>(std::lround(24 * std::sin(i * M_PI / 32)))];
    for (int i = 0; i < 400; ++i)
        drum +=
            kSampleChars[(i / 20) % 2 == 0 ? 32 + 20 * (400 - i) / 400 : 32 - 20 * (400 - i) / 400];
    return "2\n@001,Sine,12,10,8,6,0,0,0,0,64,1\n" + sine + ";\n#1 Click,0,400\n" + drum + ";\n";
}

// Two seconds of notes and a few drum hits at division 96.
smf::Bytes TestSong() {
    smf::Track track;
    track.Name(0, "Capture");
    for (int key : {60, 64, 67, 72}) {
        track.Event(0, {0x90, static_cast<std::uint8_t>(key), 100}).Event(0, {0x99, 38, 90});
        track.Event(48, {0x80, static_cast<std::uint8_t>(key), 0});
    }
    track.End(0);
    return smf::File(0, 96, {track});
}

std::string WithoutSilentEnds(const std::string& bytes) {
    const std::size_t first = bytes.find_first_not_of('\0');
    if (first == std::string::npos) return {};
    return bytes.substr(first, bytes.find_last_not_of('\0') - first + 1);
}

class SoundCardTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = MakeTempFolder();
        std::ofstream(home + "/voice.txt") << TestVoiceFile();
        const smf::Bytes song = TestSong();
        std::ofstream(home + "/song.mid", std::ios::binary)
            .write(reinterpret_cast<const char*>(song.data()),
                   static_cast<std::streamsize>(song.size()));
    }
    void TearDown() override { fs::remove_all(home); }
    std::string home;
};

}  // namespace

TEST_F(SoundCardTest, PlayedBytesEqualTheRenderedBytesOnTheDefaultDevice) {
    // A second device listed before the default one gets nothing.
    std::ofstream(home + "/.asoundrc") << "pcm.second { type file; slave.pcm \"null\"; file \""
                                       << home << "/SECOND.raw\"; format \"raw\" }\n"
                                       << "pcm.!default { type file; slave.pcm \"null\"; file \""
                                       << home << "/OUT.raw\"; format \"raw\" }\n";
    const std::string options = " -q 1 --voice " + home + "/voice.txt " + home + "/song.mid";
    const CommandResult played = RunCommand("HOME=" + home + " " + Tesalo("play" + options));
    ASSERT_EQ(played.exitCode, 0) << played.err;
    const CommandResult rendered =
        RunCommand(Tesalo("render --raw" + options + " -o " + home + "/ref.raw"));
    ASSERT_EQ(rendered.exitCode, 0) << rendered.err;
    const std::string reference = WithoutSilentEnds(ReadWholeFile(home + "/ref.raw"));
    ASSERT_GT(reference.size(), 40000u);  // about two seconds of sound, not silence
    EXPECT_TRUE(WithoutSilentEnds(ReadWholeFile(home + "/OUT.raw")) == reference);
    EXPECT_EQ(ReadWholeFile(home + "/SECOND.raw").find_first_not_of('\0'), std::string::npos);
}

TEST_F(SoundCardTest, OnASoundServerPlaysOnTheDefaultSinkInTheChosenFormat) {
    if (!SoundServer::Installed()) GTEST_SKIP() << "pulseaudio and pactl are not installed";
    SoundServer server(home);
    ASSERT_TRUE(server.Running()) << ReadWholeFile(home + "/pulseaudio.log");
    for (const auto& [quality, format] :
         {std::pair{"3", "s16le 1ch 44100Hz"}, std::pair{"0", "u8 1ch 22050Hz"}}) {
        CommandResult played;
        std::thread player([&] {
            played = RunCommand(server.Environment() +
                                Tesalo(std::string("play -q ") + quality + " --voice " + home +
                                       "/voice.txt " + home + "/song.mid"));
        });
        const SoundServer::Stream stream = server.FirstStream();
        player.join();
        EXPECT_EQ(played.exitCode, 0) << played.err;
        EXPECT_EQ(stream.sink, "one");
        EXPECT_EQ(stream.format, format);
    }
}

TEST_F(SoundCardTest, WithoutASoundCardPlayExitsWithAMessage) {
    const CommandResult played =
        RunCommand("HOME=" + home + " " + Tesalo("play " + home + "/song.mid"));
    EXPECT_EQ(played.exitCode, 1);
    EXPECT_NE(played.err.find("no sound output device could be opened"), std::string::npos)
        << played.err;
}
