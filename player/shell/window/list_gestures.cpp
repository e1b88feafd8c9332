#include "player/shell/window/list_gestures.h"

#include <QKeyEvent>
#include <QTreeView>

#include "player/shell/window/main_window_proc.h"
#include "player/shell/window/play_control.h"
#include "player/shell/window/player_state.h"

namespace {

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

constexpr int kSeekStepMs = 5000;

// The command of a key pressed alone on the list, and what it carries; 0 for the list's own keys.
// Left and Right stay the list's own while no song plays.
int KeyCommand(int key, std::intptr_t& value) {
    const bool playing = g_player.isPlaying == 1;
    switch (key) {
        case Qt::Key_Delete: return kCommandDeleteRows;
        case Qt::Key_Space: return playing ? kCommandPause : kCommandPlay;
        case Qt::Key_Left: value = -kSeekStepMs; return playing ? kCommandSeekBy : 0;
        case Qt::Key_Right: value = kSeekStepMs; return playing ? kCommandSeekBy : 0;
        default: return 0;
    }
}

// Keys alone on the list: Delete deletes the selected rows, Space pauses and resumes (or plays
// the focused row), Left and Right jump five seconds back and forward in the playing song.
class ListKeyFilter : public QObject {
public:
    ListKeyFilter(const MainWindowControls& controls, QObject* parent)
        : QObject(parent), controls_(controls) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->modifiers() & kChordModifiers) != 0) return false;
        std::intptr_t value = 0;
        const int command = KeyCommand(key->key(), value);
        if (command == 0) return false;
        RunCommand(controls_, command, value);
        return true;
    }

private:
    const MainWindowControls& controls_;
};

// The click before has made the row the focused one: it plays, now or once the song that
// plays has stopped. While a stop (or the window's close) is under way the click is passed over.
void PlayDoubleClickedRow(const MainWindowControls& controls) {
    if (g_player.pendingAction != kPendingNone) return;
    PlayFocusedRow(controls);
}

}  // namespace

void ConnectListGestures(const MainWindowControls& controls) {
    QTreeView* view = controls.listView;
    view->installEventFilter(new ListKeyFilter(controls, view));
    QObject::connect(view, &QAbstractItemView::doubleClicked, view,
                     [&controls](const QModelIndex& index) {
                         if (index.isValid()) PlayDoubleClickedRow(controls);
                     });
}
