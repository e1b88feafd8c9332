// The player on a session bus as the desktop's media controls see it: its names, the song that
// plays and where it stands, the requests acting as the window's buttons do with every change
// signalled, Quit, Raise on a desktop with a window manager, a file opened by URL; and a player
// that finds the name taken, or no bus at all, runs as ever.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <QDBusConnectionInterface>
#include <QDBusObjectPath>

#include "tests/player/shell/desktop/media_bus_fixture.h"
#include "tests/player/shell/process/x_display.h"
#include "tests/tools/cli_support.h"

namespace {

const std::string kDemo = TESALO_BIN_DIR "/demo/";

QString Text(const std::string& bytes) { return QString::fromStdString(bytes); }

QString TrackTitle(const QVariantMap& metadata) {
    return metadata.value(QStringLiteral("xesam:title")).toString();
}

}  // namespace

TEST_F(PlayerMediaTest, TheNamesAndWhatThePlayerSupportsAreOnTheBus) {
    LaunchPlayer("");
    ASSERT_TRUE(ServiceAppears()) << Log();
    EXPECT_EQ(Property("Identity", kRoot), QStringLiteral("Tesalo"));
    EXPECT_EQ(Property("DesktopEntry", kRoot), QStringLiteral("tesalo-player"));
    EXPECT_EQ(Property("CanQuit", kRoot), true);
    EXPECT_EQ(Property("CanRaise", kRoot), true);
    EXPECT_EQ(Property("HasTrackList", kRoot), false);
    EXPECT_EQ(Property("SupportedUriSchemes", kRoot), QStringList{"file"});
    EXPECT_EQ(Property("SupportedMimeTypes", kRoot), (QStringList{"audio/midi", "audio/x-midi"}));

    // Idle over the demo songs: nothing plays, and Play would play one.
    EXPECT_EQ(Property("PlaybackStatus"), QStringLiteral("Stopped"));
    EXPECT_EQ(Metadata().value("mpris:trackid").value<QDBusObjectPath>().path(),
              QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    EXPECT_EQ(Property("CanPlay"), true);
    EXPECT_EQ(Property("CanPause"), false);
    EXPECT_EQ(Property("CanGoNext"), false);
    EXPECT_EQ(Property("CanControl"), true);
    EXPECT_EQ(Property("Rate"), 1.0);
    EXPECT_EQ(Property("Volume"), 1.0);
    EXPECT_EQ(Property("Position"), 0LL);
}

TEST_F(PlayerMediaTest, RequestsDriveThePlayerAndEveryChangeIsSignalled) {
    // Songs in a folder whose name is not UTF-8: the URL keeps its bytes.
    const std::string folder = home_ + "/caf\xE9 songs/";
    std::filesystem::create_directory(folder);
    for (const char* song : {"glass_tide.mid", "copper_road.mid"})
        std::filesystem::copy_file(kDemo + song, folder + song);
    LaunchPlayer("'" + folder + "glass_tide.mid' '" + folder + "copper_road.mid'");
    ASSERT_TRUE(ServiceAppears()) << Log();
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing"))) << Log();
    const QVariantMap first = Metadata();
    EXPECT_EQ(first.value("xesam:url").toString(),
              Text("file://" + home_ + "/caf%E9%20songs/glass_tide.mid"));
    EXPECT_FALSE(TrackTitle(first).isEmpty());
    EXPECT_GT(first.value("mpris:length").toLongLong(), 1'000'000);
    EXPECT_EQ(Property("CanGoNext"), true);
    EXPECT_EQ(Property("CanGoPrevious"), false);
    EXPECT_TRUE(Eventually([&] { return Property("Position").toLongLong() > 0; }));

    Call("Next");
    ASSERT_TRUE(
        Eventually([&] { return Metadata().value("xesam:url") != first.value("xesam:url"); }));
    const QVariantMap second = Metadata();
    EXPECT_TRUE(
        Text(second.value("xesam:url").toString().toStdString()).endsWith("copper_road.mid"));
    EXPECT_NE(second.value("mpris:trackid"), first.value("mpris:trackid"));
    EXPECT_EQ(Property("PlaybackStatus"), QStringLiteral("Playing"));
    EXPECT_TRUE(Eventually([&] { return ChangesTo("Metadata", second) == 1; }));
    EXPECT_EQ(Property("CanGoNext"), false);

    Call("Previous");
    ASSERT_TRUE(Eventually([&] { return Metadata() == first; }));
    Call("Stop");
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Stopped")));
    EXPECT_TRUE(Eventually([&] { return ChangesTo("PlaybackStatus", "Stopped") == 1; }));
    EXPECT_EQ(Property("CanPause"), false);
    Call("Stop");  // nothing plays: nothing happens

    // Idle, PlayPause plays the focused row: the one that played last.
    const int playing = ChangesTo("PlaybackStatus", "Playing");
    Call("PlayPause");
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing")));
    EXPECT_EQ(Metadata(), first);
    EXPECT_TRUE(Eventually([&] { return ChangesTo("PlaybackStatus", "Playing") == playing + 1; }));
    EXPECT_TRUE(log_.seeks.empty()) << "the position went on with the music, or came with a song";
    EXPECT_EQ(Call("Next", {}, kRoot).type(), QDBusMessage::ErrorMessage);
}

TEST_F(PlayerMediaTest, PauseAndPlayHoldAndResumeTheSongWhereItStood) {
    LaunchPlayer(kDemo + "glass_tide.mid " + kDemo + "copper_road.mid");
    ASSERT_TRUE(ServiceAppears()) << Log();
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing"))) << Log();
    const QVariantMap song = Metadata();
    Call("Play");  // plays already: nothing changes
    Call("Pause");
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Paused")));
    EXPECT_TRUE(Eventually([&] { return ChangesTo("PlaybackStatus", "Paused") == 1; }));
    const qlonglong held = Property("Position").toLongLong();
    Call("Pause");                                         // paused already: stays so
    std::this_thread::sleep_for(std::chrono::seconds(2));  // two blocks would have played
    EXPECT_EQ(Property("Position").toLongLong(), held) << "the position moved while paused";
    EXPECT_EQ(Property("PlaybackStatus"), QStringLiteral("Paused"));

    Call("Play");
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing")));
    EXPECT_EQ(Metadata(), song) << "Play resumes the paused song, no other";
    EXPECT_TRUE(Eventually([&] { return Property("Position").toLongLong() > held; }));
    Call("PlayPause");
    EXPECT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Paused")));
    Call("PlayPause");
    EXPECT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing")));
    EXPECT_EQ(Metadata(), song);
    EXPECT_TRUE(log_.seeks.empty());
}

TEST_F(PlayerMediaTest, SeekAndSetPositionJumpInThePlayingSongAndAreSignalled) {
    LaunchPlayer(kDemo + "glass_tide.mid");
    ASSERT_TRUE(ServiceAppears()) << Log();
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing"))) << Log();
    const QVariant track = Metadata().value("mpris:trackid");
    // The count-th Seeked is at fromUs or a few blocks after it (the position is that of the
    // blocks rendered, two ahead of the sound), which Position then tells as well.
    const auto seekedTo = [&](qlonglong fromUs, std::size_t count) {
        return Eventually([&] { return log_.seeks.size() >= count; }) &&
               log_.seeks[count - 1] >= fromUs && log_.seeks[count - 1] < fromUs + 4'000'000 &&
               Property("Position").toLongLong() >= log_.seeks[count - 1];
    };
    Call("SetPosition", {track, 30'000'000LL});
    ASSERT_TRUE(seekedTo(30'000'000, 1)) << ::testing::PrintToString(log_.seeks);

    // Another track, a time before the start or past the end: passed over.
    Call("SetPosition", {QVariant::fromValue(QDBusObjectPath("/org/tesalo/row/5")), 0LL});
    Call("SetPosition", {track, -1LL});
    Call("SetPosition", {track, 3'600'000'000LL});
    const qlonglong before = Property("Position").toLongLong();
    Call("Seek", {-20'000'000LL});
    ASSERT_TRUE(seekedTo(before - 20'000'000, 2)) << ::testing::PrintToString(log_.seeks);

    // Paused, the song jumps and stays paused.
    Call("Pause");
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Paused")));
    const qlonglong held = Property("Position").toLongLong();
    Call("Seek", {5'000'000LL});
    ASSERT_TRUE(seekedTo(held + 5'000'000, 3)) << ::testing::PrintToString(log_.seeks);
    // A jump shorter than the blocks ahead is told as well.
    const qlonglong landed = Property("Position").toLongLong();
    Call("Seek", {1'000'000LL});
    ASSERT_TRUE(seekedTo(landed + 1'000'000, 4)) << ::testing::PrintToString(log_.seeks);
    EXPECT_EQ(Property("PlaybackStatus"), QStringLiteral("Paused"));
    EXPECT_EQ(Metadata().value("mpris:trackid"), track);
    EXPECT_EQ(log_.seeks.size(), 4u) << ::testing::PrintToString(log_.seeks);
}

TEST_F(PlayerMediaTest, QuitClosesThePlayerAsTheCloseButtonDoes) {
    const pid_t player = LaunchPlayer(kDemo + "glass_tide.mid");
    ASSERT_TRUE(ServiceAppears()) << Log();
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing"))) << Log();
    EXPECT_EQ(Call("Quit", {}, kRoot).type(), QDBusMessage::ReplyMessage);
    const int status = WaitForExit(player);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << Log();
    // The close went the window's way: the song stopped first, and the settings were written.
    EXPECT_TRUE(std::filesystem::exists(home_ + "/config/tesalo/registry.reg")) << Log();
}

// The player on a virtual display with a window manager.
class PlayerMediaOnXTest : public PlayerMediaTest {
protected:
    void SetUp() override {
        PlayerMediaTest::SetUp();
        if (IsSkipped()) return;
        for (const char* program : {"Xvfb", "openbox", "xdotool", "xprop"}) {
            if (!ProgramInstalled(program))
                GTEST_SKIP() << program
                             << " is not installed (Debian packages xvfb openbox "
                                "xdotool x11-utils)";
        }
        server_ = StartXvfb(home_ + "/xvfb.log", &display_);
        ASSERT_NE(server_, -1) << ReadWholeFile(home_ + "/xvfb.log");
        manager_ = StartOpenbox(display_, home_);
        ASSERT_NE(manager_, -1) << ReadWholeFile(home_ + "/openbox.log");
    }
    void TearDown() override {
        for (const pid_t child : children_) kill(child, SIGTERM);
        for (const pid_t child : children_) waitpid(child, nullptr, 0);
        children_.clear();
        if (manager_ > 0) StopOpenbox(manager_);
        if (server_ > 0) StopXvfb(server_, display_);
        PlayerMediaTest::TearDown();
    }
    std::string X(const std::string& command) const {
        return RunCommand("DISPLAY=" + display_ + " " + command).out;
    }

    pid_t server_ = -1, manager_ = -1;
    std::string display_;
};

TEST_F(PlayerMediaOnXTest, RaiseBringsTheWindowBackFromMinimized) {
    LaunchPlayer("", "QT_QPA_PLATFORM=xcb DISPLAY=" + display_);
    ASSERT_TRUE(ServiceAppears()) << Log();
    std::string window;
    ASSERT_TRUE(Within10Seconds([&] {
        return !(window = X("xdotool search --onlyvisible --name '^Tesalo$'")).empty();
    })) << Log();
    window = window.substr(0, window.find('\n'));
    const auto state = [&] { return X("xprop -id " + window + " WM_STATE"); };
    X("xdotool windowminimize --sync " + window);
    ASSERT_TRUE(Within10Seconds([&] { return state().find("Iconic") != std::string::npos; }));
    EXPECT_EQ(Call("Raise", {}, kRoot).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(Within10Seconds([&] { return state().find("Normal") != std::string::npos; }))
        << state();
}

TEST_F(PlayerMediaTest, AFileUrlOpensAsAFileHandedToThePlayer) {
    LaunchPlayer("");
    ASSERT_TRUE(ServiceAppears()) << Log();
    const std::string song = home_ + "/\xFF song #1.mid";
    std::filesystem::copy_file(kDemo + "copper_road.mid", song);
    Call("OpenUri", {Text("file://" + home_ + "/%FF%20song%20%231.mid")});
    EXPECT_FALSE(OpenedListHolding({song}).empty()) << Log();
    ASSERT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing"))) << Log();
    EXPECT_EQ(Metadata().value("xesam:url").toString(),
              Text("file://" + home_ + "/%FF%20song%20%231.mid"));
    Call("OpenUri", {QStringLiteral("http://example.invalid/a.mid")});
    Call("OpenUri", {QStringLiteral("file:///%00")});
    EXPECT_EQ(Property("PlaybackStatus"), QStringLiteral("Playing"));
}

TEST_F(PlayerMediaTest, WithTheNameTakenThePlayerAnswersUnderAnInstanceName) {
    ASSERT_TRUE(bus_.registerService(kService));
    const pid_t player = LaunchPlayer(kDemo + "glass_tide.mid");
    service_ = kService + QStringLiteral(".instance%1").arg(player);
    ASSERT_TRUE(ServiceAppears(service_)) << Log();
    EXPECT_TRUE(Becomes("PlaybackStatus", QStringLiteral("Playing"))) << Log();
}

TEST_F(PlayerMediaTest, WithoutASessionBusThePlayerPlaysAsEverAndSaysNothingOfIt) {
    // A bus that refuses (the process tests' address: a socket that no one listens on), then no
    // bus named, nor a display through which one might be started.
    const std::string refusing = "DBUS_SESSION_BUS_ADDRESS=unix:path=" + home_ + "/no-bus ";
    std::string none = "-u DBUS_SESSION_BUS_ADDRESS -u DISPLAY " + withoutBus_;
    ASSERT_NE(none.find(refusing), std::string::npos);
    none.erase(none.find(refusing), refusing.size());
    for (const std::string& environment : {withoutBus_, none}) {
        environment_ = environment;
        std::filesystem::remove(home_ + "/OUT.raw");
        const pid_t player = LaunchPlayer(kDemo + "glass_tide.mid");
        EXPECT_TRUE(Within10Seconds([this] {
            std::error_code error;
            return std::filesystem::file_size(home_ + "/OUT.raw", error) > 0 && !error;
        })) << environment
            << Log();
        kill(player, SIGTERM);
        const int status = WaitForExit(player);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << environment << Log();
    }
    EXPECT_EQ(Log().find("bus"), std::string::npos) << Log();
}
