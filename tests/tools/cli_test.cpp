// The `tesalo` program as a user runs it: on songs the tests write, on the demo songs, and on
// the shared corpus when it is beside the repository.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "midi/midi_scan.h"
#include "tests/support/smf_builder.h"
#include "tests/support/test_songs.h"
#include "tests/tools/cli_support.h"

namespace fs = std::filesystem;

namespace {

// Fifteen quarter notes at 400000 us per quarter, division 480: a tick is 833 us (truncated),
// so the song plays 15 x 480 x 833 us = 5997.6 ms, shown as 5997 ms.
smf::Bytes KnownLengthSong() {
    const smf::Track conductor = smf::Track().Tempo(0, 400000).Name(0, "Known Length").End(7200);
    smf::Track notes;
    notes.Event(0, {0xC0, 0});
    for (int i = 0; i < 15; ++i)
        notes.Event(0, {0x90, 60, 100}).Event(0, {0x99, 36, 100}).Event(480, {0x80, 60, 0});
    notes.End();
    return smf::File(1, 480, {conductor, notes});
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder();
        ASSERT_TRUE(WriteBytes(Path("known.mid"), KnownLengthSong()));
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Path(const std::string& name) const { return folder + "/" + name; }
    std::string KnownSong() const { return Path("known.mid"); }

    // Renders the song at the default quality; the file is as long as the song plays.
    void ExpectRendersToItsLength(const std::string& song) {
        SCOPED_TRACE(song);
        const CommandResult result =
            RunCommand(Tesalo("render " + song + " -o " + Path("out.wav")));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        WavFile wav;
        ASSERT_TRUE(ParseWav(ReadWholeFile(Path("out.wav")), &wav));
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.rate, 22050u);
        EXPECT_EQ(wav.bits, 8);
        char16_t title[kTitleCapacity];
        const double playMs = ScanMidiFile(song, title);
        const double renderedMs = wav.data.size() * 1000.0 / 22050;
        // Each stretch between events loses its fraction of a sample, so the file may be a
        // little shorter than the song, never longer.
        EXPECT_LE(renderedMs, playMs + 1);
        EXPECT_GE(renderedMs, playMs * 0.98);
        EXPECT_FALSE(fs::exists(Path("out.wav.part")));
    }

    std::string folder;
};

}  // namespace

TEST_F(CliTest, EveryDemoSongRendersToAWavFileOfItsLength) {
    const std::vector<std::string> songs = DemoSongs();
    ASSERT_FALSE(songs.empty());
    ExpectRendersToItsLength(KnownSong());
    for (const std::string& song : songs) ExpectRendersToItsLength(song);
}

TEST_F(CliTest, EverySharedSongRendersToAWavFileOfItsLength) {
    if (!HaveSharedSongs()) GTEST_SKIP() << kNoSharedSongs;
    for (const std::string& song : SharedSongs()) ExpectRendersToItsLength(song);
}

TEST_F(CliTest, QualityChoosesTheFormatAndRawIsTheWavData) {
    const std::string song = KnownSong();
    const struct {
        int quality;
        std::uint32_t rate;
        std::uint16_t bits;
    } cases[] = {{0, 22050, 8}, {1, 22050, 16}, {2, 44100, 8}, {3, 44100, 16}};
    for (const auto& c : cases) {
        const std::string q = " -q " + std::to_string(c.quality);
        ASSERT_EQ(RunCommand(Tesalo("render" + q + " " + song + " -o " + Path("a.wav"))).exitCode,
                  0);
        ASSERT_EQ(RunCommand(Tesalo("render --raw" + q + " --lpf " + song + " -o " + Path("a.raw")))
                      .exitCode,
                  0);
        WavFile wav;
        ASSERT_TRUE(ParseWav(ReadWholeFile(Path("a.wav")), &wav));
        EXPECT_EQ(wav.rate, c.rate);
        EXPECT_EQ(wav.bits, c.bits);
        EXPECT_EQ(ReadWholeFile(Path("a.raw")).size(), wav.data.size()) << c.quality;
    }
}

// --rate and --bits say what -q says: alone, together, or with a -q that agrees, they give the
// same bytes as that -q; a -q that says otherwise is wrong usage, whichever comes first.
TEST_F(CliTest, RateAndBitsChooseTheQualityAndMustAgreeWithQ) {
    const std::string song = KnownSong();
    const auto renders = [&](const std::string& options, const std::string& name) {
        const CommandResult result =
            RunCommand(Tesalo("render " + options + " " + song + " -o " + Path(name)));
        EXPECT_EQ(result.exitCode, 0) << options << ": " << result.err;
        return ReadWholeFile(Path(name));
    };
    const struct {
        const char* readable;
        int quality;
        std::uint32_t rate;
        std::uint16_t bits;
    } cases[] = {{"", 0, 22050, 8},
                 {"--bits 16", 1, 22050, 16},
                 {"--rate 44100", 2, 44100, 8},
                 {"--rate 44100 --bits 16", 3, 44100, 16},
                 {"--bits 16 --rate 22050", 1, 22050, 16},
                 {"--rate 44100 -q 2", 2, 44100, 8},
                 {"-q 3 --bits 16", 3, 44100, 16}};
    for (const auto& c : cases) {
        const std::string readable = renders(c.readable, "readable.wav");
        EXPECT_TRUE(readable == renders("-q " + std::to_string(c.quality), "q.wav")) << c.readable;
        WavFile wav;
        ASSERT_TRUE(ParseWav(readable, &wav)) << c.readable;
        EXPECT_EQ(wav.rate, c.rate) << c.readable;
        EXPECT_EQ(wav.bits, c.bits) << c.readable;
    }
    for (const char* options : {"-q 0 --rate 44100", "--rate 44100 -q 1", "-q 3 --bits 8",
                                "--bits 16 -q 2", "-q 1 --rate 22050 --bits 8", "--rate 48000",
                                "--rate 30000", "--bits 24", "--bits", "--rate 44100x"}) {
        const CommandResult result = RunCommand(
            Tesalo(std::string("render ") + options + " " + song + " -o " + Path("no.wav")));
        EXPECT_EQ(result.exitCode, 2) << options;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << options;
        EXPECT_FALSE(fs::exists(Path("no.wav"))) << options;
    }
    const CommandResult conflict = RunCommand(Tesalo("play -q 0 --bits 16 " + song));
    EXPECT_EQ(conflict.exitCode, 2);
    EXPECT_NE(conflict.err.find("-q 0 is 22050 Hz 8 bit, which --rate or --bits contradicts"),
              std::string::npos)
        << conflict.err;
}

TEST_F(CliTest, CodesFileListsEveryNotificationInOrder) {
    const std::string song = KnownSong();
    ASSERT_EQ(
        RunCommand(Tesalo("render " + song + " -o " + Path("a.wav") + " --codes " + Path("codes")))
            .exitCode,
        0);
    std::istringstream lines(ReadWholeFile(Path("codes")));
    std::vector<std::pair<long, long>> codes;
    long code, value;
    while (lines >> code >> value) codes.emplace_back(code, value);
    ASSERT_GE(codes.size(), 7u);
    EXPECT_EQ(codes.front(), std::make_pair(0L, 0L));
    EXPECT_EQ(codes.back(), std::make_pair(6L, 0L));
    long blocks = 0;
    for (std::size_t i = 1; i + 1 < codes.size(); ++i) {
        if (codes[i].first == 2) {
            EXPECT_EQ(codes[i].second, ++blocks);
        }
        EXPECT_NE(codes[i].first, 6);
    }
    EXPECT_EQ(std::count(codes.begin(), codes.end(), std::make_pair(1L, 0L)), 1);
    EXPECT_GT(blocks, 10);
}

TEST_F(CliTest, InfoTellsTheHeaderTitleAndPlayTime) {
    const CommandResult result = RunCommand(Tesalo("info " + KnownSong()));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "file: " + KnownSong() +
                              "\nformat: 1, tracks: 2, division: 480\ntitle: Known Length\n"
                              "play time: 00:05 (5997 ms)\n");
}

TEST_F(CliTest, InfoDescribesEverySong) {
    std::vector<std::string> songs = DemoSongs();
    const std::vector<std::string> shared = SharedSongs();
    songs.insert(songs.end(), shared.begin(), shared.end());
    std::string arguments = "info";
    for (const std::string& song : songs) arguments += " " + song;
    const CommandResult result = RunCommand(Tesalo(arguments));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const std::string& song : songs) {
        EXPECT_NE(result.out.find("file: " + song + "\nformat: 1, tracks: "), std::string::npos)
            << song;
    }
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'),
              5 * static_cast<long>(songs.size()) - 1);
}

TEST_F(CliTest, WrongUsageExitsWith2) {
    for (const char* arguments :
         {"", "render", "render a.mid", "render -q 4 a.mid -o x.wav", "render -p 33 a.mid -o x.wav",
          "render --bogus a.mid -o x.wav", "play", "play -j 2 a.mid", "play --raw a.mid", "info",
          "dance a.mid"}) {
        const CommandResult result = RunCommand(Tesalo(arguments));
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << arguments;
    }
}

// "-o -" writes to standard output exactly what a file gets, the WAV header's sizes included.
TEST_F(CliTest, StandardOutputGetsTheBytesOfAFile) {
    for (const char* raw : {"", " --raw"}) {
        const std::string common = Tesalo(std::string("render -q 1") + raw + " " + KnownSong());
        ASSERT_EQ(RunCommand(common + " -o " + Path("file.out")).exitCode, 0);
        const CommandResult piped = RunCommand(common + " -o -");
        ASSERT_EQ(piped.exitCode, 0) << piped.err;
        EXPECT_TRUE(piped.out == ReadWholeFile(Path("file.out"))) << raw;
        EXPECT_GT(piped.out.size(), 10000u);
    }
}

// The library reports 98 (GetVersion) and the settings dialog shows "Tesalo 0.98": that is the
// version, and the program, the pkg-config file and the AppStream release say the same.
TEST_F(CliTest, EveryPlaceNamesTheLibrarysVersion) {
    EXPECT_EQ(RunCommand(Tesalo("--version")).out, "tesalo 0.98.0\n");
    const std::string pkgConfig = ReadWholeFile(TESALO_BUILD_DIR "/library/tesalo.pc");
    EXPECT_NE(pkgConfig.find("\nVersion: 0.98.0\n"), std::string::npos) << pkgConfig;
    const std::string metainfo =
        ReadWholeFile(TESALO_SOURCE_DIR "/player/resources/com.vantrel.tesalo.metainfo.xml");
    EXPECT_NE(metainfo.find("<release version=\"0.98.0\""), std::string::npos) << metainfo;
}

// Asked-for help and the version go to standard output and succeed; wrong usage does not.
TEST_F(CliTest, HelpAndVersionAnswerOnStandardOutput) {
    for (const char* arguments : {"--version", "-V"}) {
        const CommandResult result = RunCommand(Tesalo(arguments));
        EXPECT_EQ(result.exitCode, 0) << arguments;
        EXPECT_EQ(result.out, "tesalo " TESALO_PROJECT_VERSION "\n") << arguments;
        EXPECT_TRUE(result.err.empty()) << arguments;
    }
    for (const char* arguments : {"--help", "-h", "help"}) {
        const CommandResult result = RunCommand(Tesalo(arguments));
        EXPECT_EQ(result.exitCode, 0) << arguments;
        for (const char* command : {"tesalo render", "tesalo play", "tesalo info"}) {
            EXPECT_NE(result.out.find(command), std::string::npos) << arguments;
        }
    }
    for (const char* arguments : {"help info", "info --help", "info -h"}) {
        const CommandResult result = RunCommand(Tesalo(arguments));
        EXPECT_EQ(result.exitCode, 0) << arguments;
        EXPECT_EQ(result.out, "usage:\n  tesalo info SONG...\n") << arguments;
    }
    const CommandResult render = RunCommand(Tesalo("render --help"));
    EXPECT_EQ(render.exitCode, 0);
    EXPECT_NE(render.out.find("SONG -o OUT"), std::string::npos);
    EXPECT_EQ(render.out.find("tesalo play"), std::string::npos);
    const CommandResult unknown = RunCommand(Tesalo("help dance"));
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_NE(unknown.err.find("unknown command dance"), std::string::npos);
}

TEST_F(CliTest, UnreadableOrBrokenSongsFailCleanlyWithoutAnOutputFile) {
    std::ofstream(Path("text.mid")) << "this is not a MIDI file at all";
    const CommandResult missing =
        RunCommand(Tesalo("render " + Path("none.mid") + " -o " + Path("a.wav")));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.mid: cannot be read"), std::string::npos);
    const CommandResult broken =
        RunCommand(Tesalo("render " + Path("text.mid") + " -o " + Path("a.wav")));
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.err.find("ERROR: SMFﾌｧｲﾙをﾛｰﾄﾞできませんでした"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("a.wav")));
    EXPECT_EQ(RunCommand(Tesalo("info " + Path("text.mid"))).exitCode, 1);
    const CommandResult voice = RunCommand(
        Tesalo("render --voice " + Path("none.txt") + " " + KnownSong() + " -o " + Path("a.wav")));
    EXPECT_EQ(voice.exitCode, 1);
    EXPECT_FALSE(fs::exists(Path("a.wav")));
}

// A voice file the library refuses (empty, another version, no tone 1) would give a silent
// file that looks like success: the program fails with the library's reason and its own.
TEST_F(CliTest, AVoiceFileTheLibraryRefusesFailsTheRenderWithoutAnOutputFile) {
    std::ofstream(Path("empty.txt")).close();
    std::ofstream(Path("version.txt")) << "3\n@001,Piano,15,0,0,0,0,0,0,0,2,1\nab;\n";
    std::ofstream(Path("notone.txt")) << "2\n#36 Kick,0,2,ab;\n";
    for (const char* name : {"empty.txt", "version.txt", "notone.txt"}) {
        const CommandResult result = RunCommand(
            Tesalo("render --voice " + Path(name) + " " + KnownSong() + " -o " + Path("a.wav")));
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_NE(result.err.find(std::string(name) + ": not a voice file the library can load"),
                  std::string::npos)
            << result.err;
        EXPECT_NE(result.err.find("TESALO.DLL: "), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(Path("a.wav"))) << name;
    }
}

TEST_F(CliTest, ASongLongerThanAnOutputFileCanHoldIsRefused) {
    smf::Track track;
    track.Event(0, {0xC0, 0}).End(0x0FFFFFFF);  // 2^28 ticks of 5208 us: about 388 hours
    const smf::Bytes song = smf::File(0, 96, {track});
    ASSERT_TRUE(WriteBytes(Path("long.mid"), song));
    const CommandResult result =
        RunCommand(Tesalo("render " + Path("long.mid") + " -o " + Path("a.wav")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("long.mid: plays for 388 hours, more than a WAV file can hold"),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(fs::exists(Path("a.wav")));
    EXPECT_FALSE(fs::exists(Path("a.wav.part")));
}

// --max-seconds stops a song as the stop button does: TeStop once that much audio is
// rendered, then the blocks already queued play out. A song shorter than the limit is whole.
TEST_F(CliTest, MaxSecondsStopsALongSongAndSaysSo) {
    smf::Track track;
    track.Event(0, {0xC0, 0}).End(0x0FFFFFFF);  // about 388 hours of silence
    ASSERT_TRUE(WriteBytes(Path("long.mid"), smf::File(0, 96, {track})));
    const CommandResult result =
        RunCommand(Tesalo("render --max-seconds 3 " + Path("long.mid") + " -o " + Path("a.wav")));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("long.mid: stopped after 3 s of audio (--max-seconds)"),
              std::string::npos)
        << result.err;
    WavFile wav;
    ASSERT_TRUE(ParseWav(ReadWholeFile(Path("a.wav")), &wav));
    const double seconds = wav.data.size() / 22050.0;
    EXPECT_GE(seconds, 3.0);
    // The stop comes the moment the limit is reported, on the library's own thread: only the one
    // half-second block already rendered ahead follows, however late the program's thread wakes.
    EXPECT_LE(seconds, 3.0 + 0.5 + 0.01);

    const CommandResult whole =
        RunCommand(Tesalo("render --max-seconds 60 " + KnownSong() + " -o " + Path("b.wav")));
    ASSERT_EQ(whole.exitCode, 0) << whole.err;
    EXPECT_EQ(whole.err.find("--max-seconds"), std::string::npos) << whole.err;
    ASSERT_TRUE(ParseWav(ReadWholeFile(Path("b.wav")), &wav));
    EXPECT_NEAR(wav.data.size() * 1000.0 / 22050, 5997.6, 30);

    for (const char* wrong : {"0", "-1", "x", "1000001"}) {
        const CommandResult usage = RunCommand(Tesalo(std::string("render --max-seconds ") + wrong +
                                                      " " + KnownSong() + " -o " + Path("c.wav")));
        EXPECT_EQ(usage.exitCode, 2) << wrong;
        EXPECT_NE(usage.err.find("--max-seconds takes a number from 1 to 1000000"),
                  std::string::npos)
            << usage.err;
    }
}

// --start renders from that point of the song on: byte for byte what a whole render holds from
// the start sample, with the filter and echo off and on; a start past the end renders nothing.
TEST_F(CliTest, StartRendersFromThatPointOfTheSongOn) {
    for (const std::string quality : {"-q 0", "-q 3 --lpf"}) {
        SCOPED_TRACE(quality);
        const std::string render = "render --voice " TESALO_SOURCE_DIR "/voiceset/voice.txt " +
                                   quality + " " + KnownSong();
        ASSERT_EQ(RunCommand(Tesalo(render + " -o " + Path("whole.wav"))).exitCode, 0);
        const CommandResult result =
            RunCommand(Tesalo(render + " --start 2.5 -o " + Path("part.wav")));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        WavFile whole, part;
        ASSERT_TRUE(ParseWav(ReadWholeFile(Path("whole.wav")), &whole));
        ASSERT_TRUE(ParseWav(ReadWholeFile(Path("part.wav")), &part));
        const std::size_t startByte = std::size_t{2500} * whole.rate / 1000 * (whole.bits / 8);
        ASSERT_GT(whole.data.size(), startByte);
        const char silence = whole.bits == 8 ? '\x80' : '\0';
        EXPECT_NE(whole.data.substr(startByte).find_first_not_of(silence), std::string::npos);
        EXPECT_TRUE(part.data == whole.data.substr(startByte));
    }
    ASSERT_EQ(
        RunCommand(Tesalo("render --start 6 " + KnownSong() + " -o " + Path("none.wav"))).exitCode,
        0);
    WavFile none;
    ASSERT_TRUE(ParseWav(ReadWholeFile(Path("none.wav")), &none));
    EXPECT_TRUE(none.data.empty());
}

TEST_F(CliTest, StartTakesSecondsOnly) {
    for (const char* wrong : {"-1", "x", "1.", ".5", "2.5s", "4294968"}) {
        const CommandResult usage = RunCommand(Tesalo(std::string("render --start ") + wrong + " " +
                                                      KnownSong() + " -o " + Path("c.wav")));
        EXPECT_EQ(usage.exitCode, 2) << wrong;
        EXPECT_NE(usage.err.find("--start takes seconds, such as 90 or 12.5"), std::string::npos)
            << usage.err;
    }
    const CommandResult play = RunCommand(Tesalo("play --start 1.25 " + Path("nosuch.mid")));
    EXPECT_NE(play.err.find("nosuch.mid: cannot be read"), std::string::npos) << play.err;
    EXPECT_NE(RunCommand(Tesalo("help render")).out.find("--start"), std::string::npos);
}

TEST_F(CliTest, ASongWithoutATrackIsRefusedWithAReason) {
    ASSERT_TRUE(WriteBytes(Path("none.mid"), smf::Header(0, 0, 96)));
    const CommandResult result =
        RunCommand(Tesalo("render " + Path("none.mid") + " -o " + Path("a.wav")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("none.mid: holds no track, so there is nothing to play"),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(fs::exists(Path("a.wav")));
}

TEST_F(CliTest, ASongWhoseTrackHoldsNothingRendersAnEmptyWavFile) {
    ASSERT_TRUE(WriteBytes(Path("empty.mid"), smf::File(0, 96, {smf::Track().End()})));
    const CommandResult result =
        RunCommand(Tesalo("render " + Path("empty.mid") + " -o " + Path("a.wav")));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    WavFile wav;
    ASSERT_TRUE(ParseWav(ReadWholeFile(Path("a.wav")), &wav));
    EXPECT_TRUE(wav.data.empty());
}

TEST_F(CliTest, PlayChecksTheSongsBeforeItOpensTheDevice) {
    const CommandResult result = RunCommand(Tesalo("play " + Path("nosuch.mid")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("nosuch.mid: cannot be read"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("device"), std::string::npos) << result.err;
}

// A title or a file name may hold control characters that would drive the terminal (set its
// title, clear the screen, move the cursor): every line that carries text from a file shows each
// C0 and C1 control character and DEL as \xNN, its code in hexadecimal.
TEST_F(CliTest, ControlCharactersFromAFileAreShownEscaped) {
    const std::string name = Path("evil\x1b[2J.mid");
    const smf::Track track = smf::Track()
                                 .Name(0,
                                       "\x1b]0;pwned\x07\x1b[2J\rA\xc2\x9b"
                                       "B\x7f")
                                 .End(96);
    ASSERT_TRUE(WriteBytes(name, smf::File(0, 96, {track})));
    const std::string shownName = Path("evil\\x1b[2J.mid");
    const std::string shownTitle = "\\x1b]0;pwned\\x07\\x1b[2J\\x0dA\\x9bB\\x7f";

    const CommandResult info = RunCommand(Tesalo("info '" + name + "'"));
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "file: " + shownName + "\nformat: 0, tracks: 1, division: 96\ntitle: " +
                            shownTitle + "\nplay time: 00:00 (499 ms)\n");

    std::ofstream(Path(".asoundrc")) << "pcm.!default { type file; slave.pcm \"null\"; file \""
                                     << Path("OUT.raw") << "\"; format \"raw\" }\n";
    const CommandResult play = RunCommand("HOME=" + folder + " " + Tesalo("play '" + name + "'"));
    EXPECT_EQ(play.exitCode, 0) << play.err;
    EXPECT_NE(play.err.find("playing " + shownTitle + " (00:00)"), std::string::npos) << play.err;

    const CommandResult missing =
        RunCommand(Tesalo("render '" + Path("gone\x1b[2J\x9b.mid") + "' -o " + Path("a.wav")));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find(Path("gone\\x1b[2J\\x9b.mid: cannot be read")), std::string::npos)
        << missing.err;
    for (const std::string& text : {info.out, play.err, missing.err}) {
        EXPECT_EQ(text.find_first_of("\x1b\x07\r\x7f\x9b"), std::string::npos);
    }
}
