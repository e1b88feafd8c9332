#include "player/shell/window/playback_keys.h"

#include <QDialog>
#include <QShortcut>

#include "player/model/player_state.h"
#include "player/shell/window/main_window_proc.h"

namespace {

constexpr int kSeekStepMs = 5000;

// Left and Right do nothing while no song plays: a key that sometimes moves the list's cursor
// and sometimes the song would surprise.
void Seek(const MainWindowControls& controls, int stepMs) {
    if (g_player.isPlaying == 1) RunCommand(controls, kCommandSeekBy, stepMs);
}

void PlayOrPause(const MainWindowControls& controls) {
    RunCommand(controls, g_player.isPlaying == 1 ? kCommandPause : kCommandPlay);
}

void Connect(const MainWindowControls& controls, Qt::Key key, std::function<void()> action) {
    auto* shortcut = new QShortcut(QKeySequence(key), controls.window);
    shortcut->setAutoRepeat(true);
    QObject::connect(shortcut, &QShortcut::activated, controls.window, std::move(action));
}

}  // namespace

void ConnectPlaybackKeys(const MainWindowControls& controls) {
    Connect(controls, Qt::Key_Space, [&controls] { PlayOrPause(controls); });
    Connect(controls, Qt::Key_Left, [&controls] { Seek(controls, -kSeekStepMs); });
    Connect(controls, Qt::Key_Right, [&controls] { Seek(controls, kSeekStepMs); });
}
