// Where `tesalo render` writes, when the folders it writes in are shared with others or the
// files it names are not what they seem: planted links, an output that is also an input, a
// disk that takes no more, songs too long for a WAV file.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "tests/support/smf_builder.h"
#include "tests/support/test_songs.h"
#include "tests/tools/cli_support.h"

namespace fs = std::filesystem;

namespace {

// A second of a chord, named "Output".
smf::Bytes OneSecondSong() {
    smf::Track track;
    track.Name(0, "Output").Event(0, {0xC0, 0}).Event(0, {0x90, 60, 100}).Event(0, {0x90, 64, 100});
    track.Event(96, {0x80, 60, 0}).Event(0, {0x80, 64, 0}).End(96);
    return smf::File(0, 96, {track});
}

// Another local user watching a shared folder: for every name that appears in it, a link
// NAME.part to the victim's file, ready before the program can open that name.
class LinkPlanter {
public:
    LinkPlanter(const std::string& folder, const std::string& victim) {
        int ready[2];
        if (pipe(ready) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            Plant(folder, victim, ready[1]);
        }
        close(ready[1]);
        char byte;
        while (read(ready[0], &byte, 1) < 0 && errno == EINTR) {
        }
        close(ready[0]);
    }
    ~LinkPlanter() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }

private:
    [[noreturn]] static void Plant(const std::string& folder, const std::string& victim,
                                   int ready) {
        const int watch = inotify_init1(IN_CLOEXEC);
        inotify_add_watch(watch, folder.c_str(), IN_CREATE);
        close(ready);
        alignas(inotify_event) char events[sizeof(inotify_event) + NAME_MAX + 1];
        for (ssize_t got; (got = read(watch, events, sizeof events)) > 0;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events);
            const std::string name = event->len > 0 ? event->name : "";
            if (name.size() > 5 && name.compare(name.size() - 5, 5, ".part") == 0) continue;
            if (!name.empty()) symlink(victim.c_str(), (folder + "/" + name + ".part").c_str());
        }
        _exit(0);
    }
    pid_t pid_ = -1;
};

class CliOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder();
        fs::create_directory(Path("shared"));
        ASSERT_TRUE(WriteBytes(Path("song.mid"), OneSecondSong()));
        std::ofstream(Path("victim")) << "the victim's own file";
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Path(const std::string& name) const { return folder + "/" + name; }
    std::string Victim() const { return ReadWholeFile(Path("victim")); }
    // The regular files of a folder (planted links are no files of the program's).
    std::vector<std::string> FilesIn(const std::string& name) const {
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(Path(name))) {
            if (entry.is_regular_file() && !entry.is_symlink())
                files.push_back(entry.path().filename());
        }
        return files;
    }

    std::string folder;
};

}  // namespace

// The file beside the output that a render is written into first, and the temporary file that
// standard output is rendered into, are made new: a link planted at any name the program may
// choose is never followed, and the victim's file it points to is left as it was.
TEST_F(CliOutputTest, ALinkPlantedAtATemporaryNameIsNeverFollowed) {
    const CommandResult single =
        RunCommand(Tesalo("render " + Path("song.mid") + " -o " + Path("single.wav")));
    ASSERT_EQ(single.exitCode, 0) << single.err;
    const std::string expected = ReadWholeFile(Path("single.wav"));

    ASSERT_EQ(symlink(Path("victim").c_str(), Path("shared/out.wav.part").c_str()), 0);
    const CommandResult beside =
        RunCommand(Tesalo("render " + Path("song.mid") + " -o " + Path("shared/out.wav")));
    EXPECT_EQ(beside.exitCode, 0) << beside.err;
    EXPECT_TRUE(ReadWholeFile(Path("shared/out.wav")) == expected);
    EXPECT_TRUE(Victim() == "the victim's own file");

    ASSERT_EQ(symlink(Path("victim").c_str(), Path("shared/codes.part").c_str()), 0);
    const CommandResult codes =
        RunCommand(Tesalo("render " + Path("song.mid") + " -o " + Path("shared/b.wav") +
                          " --codes " + Path("shared/codes")));
    EXPECT_EQ(codes.exitCode, 0) << codes.err;
    EXPECT_NE(ReadWholeFile(Path("shared/codes")).find("6 0\n"), std::string::npos);
    EXPECT_TRUE(Victim() == "the victim's own file");

    std::ofstream(Path("victim")) << "the victim's own file";
    fs::create_directory(Path("tmp"));
    {
        const LinkPlanter planter(Path("tmp"), Path("victim"));
        const CommandResult piped =
            RunCommand("(TMPDIR=" + Path("tmp") + " " +
                       Tesalo("render " + Path("song.mid") + " -o - | cat") + ")");
        EXPECT_EQ(piped.exitCode, 0) << piped.err;
        EXPECT_TRUE(piped.out == expected);
    }
    EXPECT_TRUE(Victim() == "the victim's own file");
    EXPECT_TRUE(FilesIn("tmp").empty());
}

// An output that is an input under any name (itself, a link, a hard link, standard output) would
// destroy the song it renders: it is refused before anything is rendered, the input untouched.
TEST_F(CliOutputTest, AnOutputThatIsAlsoAnInputIsRefused) {
    const std::string song = ReadWholeFile(Path("song.mid"));
    ASSERT_EQ(symlink(Path("song.mid").c_str(), Path("link.wav").c_str()), 0);
    ASSERT_EQ(link(Path("song.mid").c_str(), Path("hard.wav").c_str()), 0);
    fs::create_directory(Path("out"));
    ASSERT_TRUE(WriteBytes(Path("out/tune.wav"), OneSecondSong()));
    std::ofstream(Path("voice.txt")) << "not read: refused first";
    const std::string one = Path("song.mid");
    for (const std::string& arguments :
         {"render " + one + " -o " + one, "render " + one + " -o " + Path("link.wav"),
          "render " + one + " -o " + Path("hard.wav"),
          "render " + one + " -o " + Path("a.wav") + " --codes " + one,
          "render " + one + " -o - >>" + one,
          "render --voice " + Path("voice.txt") + " " + one + " -o " + Path("voice.txt"),
          "render " + one + " " + Path("out/tune.wav") + " -o " + Path("out/")}) {
        const CommandResult result = RunCommand("(" + Tesalo(arguments) + ")");
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("is also an input"), std::string::npos) << arguments << "\n"
                                                                          << result.err;
        EXPECT_TRUE(ReadWholeFile(Path("song.mid")) == song) << arguments;
        EXPECT_TRUE(ReadWholeFile(Path("out/tune.wav")) == song) << arguments;
    }
    EXPECT_EQ(ReadWholeFile(Path("voice.txt")), "not read: refused first");
    EXPECT_FALSE(fs::exists(Path("a.wav")));
    EXPECT_FALSE(fs::exists(Path("out/song.wav")));
}

// A device that takes nothing (/dev/full), a file size limit, standard output on a full device:
// the program says which output could not be written and why, once, exits 1 and leaves no
// partial file.
TEST_F(CliOutputTest, AnOutputThatCannotBeWrittenIsNamedWithTheReason) {
    const std::string song = Path("song.mid");
    const std::string limited =
        "(ulimit -f 8; exec " + Tesalo("render -q 3 " + song + " -o " + Path("shared/a.wav")) + ")";
    const struct {
        std::string command;
        std::string message;
    } cases[] = {
        {Tesalo("render -q 3 " + song + " -o /dev/full"),
         "/dev/full: cannot be written: No space left on device"},
        {Tesalo("render --raw " + song + " -o /dev/full"),
         "/dev/full: cannot be written: No space left on device"},
        {"(" + Tesalo("render " + song + " -o - >/dev/full") + ")",
         "standard output: cannot be written: No space left on device"},
        {limited, Path("shared/a.wav") + ": cannot be written: File too large"},
    };
    for (const auto& [command, message] : cases) {
        const CommandResult result = RunCommand(command);
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_EQ(result.err, "tesalo: " + message + "\n") << command;
        EXPECT_TRUE(fs::is_empty(Path("shared"))) << command;
    }
}

// A WAV file counts its bytes in 32 bits, so a song longer than that is refused before anything
// is rendered, with the ways out; raw output has no such limit (here the render starts and meets
// a file size limit instead).
TEST_F(CliOutputTest, OnlyAWavFileHasALengthLimit) {
    smf::Track silence;
    silence.Event(0, {0xC0, 0}).End(0x0FFFFFFF);  // about 388 hours at 96 ticks a quarter note
    ASSERT_TRUE(WriteBytes(Path("long.mid"), smf::File(0, 96, {silence})));
    const CommandResult wav =
        RunCommand(Tesalo("render -q 2 " + Path("long.mid") + " -o " + Path("shared/a.wav")));
    EXPECT_EQ(wav.exitCode, 1);
    EXPECT_EQ(
        wav.err,
        "tesalo: " + Path("long.mid") +
            ": plays for 388 hours, more than a WAV file can hold at this quality: render it with "
            "--raw, or its beginning with --max-seconds\n");
    const CommandResult raw = RunCommand(
        "(ulimit -f 64; exec " +
        Tesalo("render --raw -q 2 " + Path("long.mid") + " -o " + Path("shared/a.raw")) + ")");
    EXPECT_EQ(raw.exitCode, 1);
    EXPECT_EQ(raw.err, "tesalo: " + Path("shared/a.raw") + ": cannot be written: File too large\n");
    EXPECT_TRUE(fs::is_empty(Path("shared")));
}
