// tesalo-player [FILE...]: one player per user; the main window runs as a modal dialog until
// the user closes it or SIGTERM or SIGHUP ends the run, then the settings are written back and
// the library is shut down (also when the display goes away). Files given go to the song list
// "Opened files" of the player, the running one if there is one. --help and --version answer
// without a display.
// Exit codes as a shell reads them: 0 after a run, after --help or --version and when a running
// player took over, 1 when the start failed or the running player could not be handed the files.
#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>
#include <QCoreApplication>

#include "library/tesalo.h"
#include "platform/instance.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "platform/registry.h"
#include "player/model/instance_block.h"
#include "player/model/player_state.h"
#include "player/model/player_usage.h"
#include "player/model/settings.h"
#include "player/model/settings_failure.h"
#include "player/model/song_list_folder.h"
#include "player/resources/images.h"
#include "player/shell/desktop/media_controls.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/window/end_signals.h"
#include "player/shell/window/font_faces.h"
#include "player/shell/window/library_boxes.h"
#include "player/shell/window/main_window.h"
#include "player/shell/window/message_boxes.h"
#include "player/shell/window/opened_files.h"
#include "player/shell/window/player_shutdown.h"
#include "player/shell/window/raise_server.h"
#include "player/shell/window/single_instance.h"
#include "player/shell/window/window_start.h"

namespace {

// A later start needs no screen: it only asks the running player to come to the front, or to
// open its files.
int SecondInstance(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const std::vector<std::string> files = CommandLineFiles(argc, argv);
    if (HandOverToRunningPlayer(files) || files.empty()) return 0;
    std::fputs("tesalo-player: the running player could not be handed the files\n", stderr);
    return 1;
}

void RunMainWindow(const std::vector<std::string>& files) {
    MainWindow window;
    window.setWindowIcon(PlayerIcon(kImageProgram));
    const MainWindowControls& controls = window.Controls();
    // Only the first instance, which made the block, serves later starts.
    if (g_player.instanceBlock != nullptr) {
        ListenForRaise(
            &window, [&window] { RaisePlayerWindow(&window); },
            [&controls](const std::vector<std::string>& handed) { OpenFiles(controls, handed); },
            [&window](const ActivationToken& activation) {
                ActivatePlayerWindow(&window, activation);
            });
    }
    InitMainWindow(controls);
    StartMediaControls(controls);
    // After the library's start, which the window's first turn of events runs (the shutdown at
    // exit then comes before the sound system's own exit handler).
    QMetaObject::invokeMethod(
        &window, [&controls] { ShutDownAtExit(controls.listView); }, Qt::QueuedConnection);
    if (!files.empty()) {
        QMetaObject::invokeMethod(
            &window, [&controls, files] { OpenFiles(controls, files); }, Qt::QueuedConnection);
    }
    window.exec();
    // After a signal the box returns at once: the reason then stands on standard error alone.
    if (!ShutDownPlayer(controls.listView))
        ShowPlayerMessage(SettingsSaveFailure(g_player.japaneseUi));
}

// holdsLock: this start holds the instance lock; without it the player runs alone, with no
// block and no channel.
int FirstInstance(int argc, char** argv, bool holdsLock) {
    QApplication application(argc, argv);
    EndRunOnSignals();
    const std::vector<std::string> files = CommandLineFiles(argc, argv);
    InstallFontFaces();
    g_player = PlayerState{};
    PlayerMessageBoxes messages;
    if (holdsLock && !MakeInstanceBlock(kInstanceBlockName, kInstanceBlockSize, messages)) return 1;
    g_player.notifyMessage = platform::RegisterMessageName(TE_NOTIFY_MESSAGE);
    g_player.japaneseUi = platform::SystemLanguageIsJapanese();
    // Only this process writes them now: what a killed save left behind can go.
    platform::RemoveStaleRegistryFiles();
    RemoveStaleSongListFiles(ProgramDirectory());
    LoadSettings();
    InstallLibraryBoxes();
    RunMainWindow(files);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int answered = AnswerUsageOrVersion(argc, argv); answered >= 0) return answered;
    std::string problem;
    const int lock = platform::AcquireInstanceLock(kInstanceLockName, &problem);
    if (lock == 0) return SecondInstance(argc, argv);
    // A lock that cannot be made safely does not keep the player from running, but the user
    // learns why a second player may then start beside it.
    if (lock < 0)
        std::fprintf(stderr, "tesalo-player: %s: a second player is not kept from starting\n",
                     problem.c_str());
    return FirstInstance(argc, argv, lock == 1);
}
