#include "player/shell/window/list_gestures.h"

#include <QKeyEvent>
#include <QTreeView>

#include "player/model/player_state.h"
#include "player/shell/window/main_window_proc.h"
#include "player/shell/window/play_control.h"

namespace {

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// The Delete key alone, on the list, is the Delete button's command.
class DeleteKeyFilter : public QObject {
public:
    DeleteKeyFilter(const MainWindowControls& controls, QObject* parent)
        : QObject(parent), controls_(controls) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Delete || (key->modifiers() & kChordModifiers) != 0) return false;
        RunCommand(controls_, kCommandDeleteRows);
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
    view->installEventFilter(new DeleteKeyFilter(controls, view));
    QObject::connect(view, &QAbstractItemView::doubleClicked, view,
                     [&controls](const QModelIndex& index) {
                         if (index.isValid()) PlayDoubleClickedRow(controls);
                     });
}
