// `tesalo render SONG... -o FOLDER/`: many songs by worker processes into one folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/smf_builder.h"
#include "tests/support/test_songs.h"
#include "tests/tools/cli_support.h"

namespace fs = std::filesystem;

namespace {

// Two seconds of a chord on a piano and a drum, at a tempo of the song's own.
smf::Bytes ShortSong(std::uint32_t tempo, std::uint8_t program) {
    smf::Track track;
    track.Tempo(0, tempo).Event(0, {0xC0, program});
    for (int i = 0; i < 4; ++i) {
        track.Event(0, {0x90, 60, 100}).Event(0, {0x90, 67, 90}).Event(0, {0x99, 38, 100});
        track.Event(240, {0x80, 60, 0}).Event(0, {0x80, 67, 0});
    }
    track.End(480);
    return smf::File(0, 480, {track});
}

class CliBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder();
        fs::create_directory(Path("other"));
        ASSERT_TRUE(WriteBytes(Path("song.mid"), ShortSong(500000, 0)));
        ASSERT_TRUE(WriteBytes(Path("other/song.mid"), ShortSong(400000, 40)));
        ASSERT_TRUE(WriteBytes(Path("tune.midi"), ShortSong(600000, 73)));
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Path(const std::string& name) const { return folder + "/" + name; }

    // The bytes `tesalo render OPTIONS SONG -o FILE` writes for one song alone.
    std::string SingleRender(const std::string& options, const std::string& song) {
        const CommandResult result =
            RunCommand(Tesalo("render " + options + " " + song + " -o " + Path("single")));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return ReadWholeFile(Path("single"));
    }

    std::string folder;
};

}  // namespace

// Each file of the folder is named after its song (a repeated name gets -2) and holds the
// bytes a render of that song alone gives, whatever the format and the number of workers.
TEST_F(CliBatchTest, EachSongGetsTheBytesOfItsSingleRender) {
    const std::string demo = DemoSongs().at(0);
    const std::string demoName = fs::path(demo).stem().string();
    const std::string songs =
        Path("song.mid") + " " + demo + " " + Path("other/song.mid") + " " + Path("tune.midi");
    for (const char* options : {"-q 1 --lpf -j 2", "-q 3 --raw -j 1", "-p 8 -q 2 --lpf"}) {
        SCOPED_TRACE(options);
        const std::string extension =
            std::string(options).find("--raw") != std::string::npos ? ".raw" : ".wav";
        fs::remove_all(Path("out"));
        const CommandResult batch = RunCommand(
            Tesalo(std::string("render ") + options + " " + songs + " -o " + Path("out/")));
        ASSERT_EQ(batch.exitCode, 0) << batch.err;
        EXPECT_NE(batch.err.find("4 songs (0 failed)"), std::string::npos) << batch.err;
        EXPECT_NE(batch.err.find("x real time"), std::string::npos) << batch.err;
        const std::pair<std::string, std::string> expected[] = {{"song", Path("song.mid")},
                                                                {demoName, demo},
                                                                {"song-2", Path("other/song.mid")},
                                                                {"tune", Path("tune.midi")}};
        for (const auto& [name, song] : expected) {
            const std::string made = ReadWholeFile(Path("out/" + name + extension));
            EXPECT_GT(made.size(), 1000u) << name;
            EXPECT_TRUE(made == SingleRender(options, song)) << name;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(Path("out")), fs::directory_iterator()), 4);
    }
}

// One song into a folder that exists, named with or without the trailing '/'.
TEST_F(CliBatchTest, OneSongIntoAFolderIsNamedAfterTheSong) {
    fs::create_directory(Path("out"));
    for (const char* target : {"out", "out/"}) {
        fs::remove(Path("out/tune.wav"));
        const CommandResult result =
            RunCommand(Tesalo("render " + Path("tune.midi") + " -o " + Path(target)));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(ReadWholeFile(Path("out/tune.wav")) == SingleRender("", Path("tune.midi")))
            << target;
    }
}

// A broken or missing song is reported with its reason; the others are still written, no
// partial file is left and the exit code tells that something failed.
TEST_F(CliBatchTest, AFailingSongIsReportedAndTheOthersGoOn) {
    std::ofstream(Path("broken.mid")) << "this is not a MIDI file at all";
    const std::string songs = Path("song.mid") + " " + Path("broken.mid") + " " +
                              Path("missing.mid") + " " + Path("tune.midi");
    const CommandResult result = RunCommand(Tesalo("render -j 2 " + songs + " -o " + Path("out/")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("broken.mid: not a playable MIDI file"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("missing.mid: cannot be read"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("4 songs (2 failed)"), std::string::npos) << result.err;
    // The broken song's message is shown once, by the worker that tried it.
    const std::string box = "SMFﾌｧｲﾙをﾛｰﾄﾞできませんでした";
    const std::size_t first = result.err.find(box);
    EXPECT_NE(first, std::string::npos) << result.err;
    EXPECT_EQ(result.err.find(box, first + 1), std::string::npos) << result.err;
    EXPECT_TRUE(ReadWholeFile(Path("out/song.wav")) == SingleRender("", Path("song.mid")));
    EXPECT_TRUE(ReadWholeFile(Path("out/tune.wav")) == SingleRender("", Path("tune.midi")));
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("out")), fs::directory_iterator()), 2);
}

// --max-seconds holds in every worker, and the summary counts the audio rendered, not the hours
// a damaged song claims.
TEST_F(CliBatchTest, MaxSecondsStopsEachSongAndTheSummaryCountsWhatWasRendered) {
    smf::Track silence;
    silence.Event(0, {0xC0, 0}).End(0x0FFFFFFF);  // about 388 hours at 96 ticks a quarter note
    ASSERT_TRUE(WriteBytes(Path("long.mid"), smf::File(0, 96, {silence})));
    const CommandResult batch =
        RunCommand(Tesalo("render --max-seconds 3 -j 2 " + Path("long.mid") + " " +
                          Path("song.mid") + " -o " + Path("out/")));
    ASSERT_EQ(batch.exitCode, 0) << batch.err;
    EXPECT_NE(batch.err.find("long.mid: stopped after 3 s of audio (--max-seconds)"),
              std::string::npos)
        << batch.err;
    // The short song (three quarter notes, 1.5 s) plays whole: 3 s + 1.5 s of audio.
    EXPECT_NE(batch.err.find("2 songs (0 failed): 4.5 s of audio"), std::string::npos) << batch.err;
    EXPECT_TRUE(ReadWholeFile(Path("out/song.wav")) == SingleRender("", Path("song.mid")));
}

TEST_F(CliBatchTest, WrongJobsOrOutputIsUsage) {
    const std::string two = Path("song.mid") + " " + Path("tune.midi");
    const struct {
        std::string arguments;
        const char* message;
    } cases[] = {
        {"render -j 0 " + two + " -o " + Path("out/"), "-j takes a number from 1 to 256"},
        {"render -j 257 " + two + " -o " + Path("out/"), "-j takes a number from 1 to 256"},
        {"render -j two " + two + " -o " + Path("out/"), "-j takes a number from 1 to 256"},
        {"render " + two + " -o " + Path("out/") + " -j", "-j takes a number from 1 to 256"},
        {"render " + two + " -o " + Path("one.wav"), "several songs render into a folder"},
        {"render " + two + " -o -", "several songs render into a folder"},
        {"render --codes " + Path("codes.txt") + " " + two + " -o " + Path("out/"),
         "--codes takes one song"},
    };
    for (const auto& [arguments, message] : cases) {
        const CommandResult result = RunCommand(Tesalo(arguments));
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find(message), std::string::npos) << arguments << "\n" << result.err;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << arguments;
    }
    EXPECT_FALSE(fs::exists(Path("out")));
    EXPECT_FALSE(fs::exists(Path("one.wav")));
    const CommandResult help = RunCommand(Tesalo("render --help"));
    EXPECT_NE(help.out.find("SONG... -o FOLDER/"), std::string::npos);
    EXPECT_NE(help.out.find("  -j "), std::string::npos);
}

TEST_F(CliBatchTest, AFolderThatCannotBeMadeFailsTheBatch) {
    std::ofstream(Path("file")) << "a file, not a folder";
    const CommandResult result = RunCommand(Tesalo("render " + Path("song.mid") + " " +
                                                   Path("tune.midi") + " -o " + Path("file/out/")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no folder can be made there"), std::string::npos) << result.err;
}
