#include "player/shell/desktop/media_snapshot.h"

#include <QApplication>
#include <QDialog>

#include "player/model/settings.h"
#include "player/shell/lists/song_list_view.h"

namespace {

// The main window runs as a modal dialog itself: only another one, or a menu, is in front.
bool SomethingInFront(const QDialog* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return (modal != nullptr && modal != window) || QApplication::activePopupWidget() != nullptr;
}

}  // namespace

MediaState TakeMediaState(const MainWindowControls& controls) {
    const PlayMode mode{g_settings.bChainPlay == 1, g_settings.bAutoRepeat == 1};
    return MediaStateOf(g_player, ShownRows(controls.listView)->Rows(), mode,
                        SomethingInFront(controls.window));
}
