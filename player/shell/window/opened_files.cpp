#include "player/shell/window/opened_files.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "player/model/opened_songs.h"
#include "player/model/player_state.h"
#include "player/shell/window/midi_file_add.h"
#include "player/shell/window/scan_aside.h"
#include "player/shell/window/single_instance.h"
#include "player/shell/window/window_play_screen.h"

namespace {

constexpr int kRetryMs = 300;

// A dialog or menu in front works on the lists itself (the file chooser, the naming dialog), and
// so does a pre-scan that runs.
bool SomethingInFront(const MainWindowControls& controls) {
    const QWidget* modal = QApplication::activeModalWidget();
    return (modal != nullptr && modal != controls.window) ||
           QApplication::activePopupWidget() != nullptr || ScanAsideRunning();
}

}  // namespace

void OpenFiles(const MainWindowControls& controls, const std::vector<std::string>& files) {
    if (g_player.pendingAction == kPendingClose || files.empty()) return;
    RaisePlayerWindow(controls.window);
    if (SomethingInFront(controls)) {
        QTimer::singleShot(kRetryMs, controls.window,
                           [controls, files] { OpenFiles(controls, files); });
        return;
    }
    WindowPlay play(controls);
    AddingSongs(controls.listView, g_player.japaneseUi, [&](const SongAdding& adding) {
        OpenSongFiles(adding, play.context, files);
        return 0;
    });
}
