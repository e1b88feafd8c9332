#include "player/shell/window/window_layout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTreeView>

#include "player/model/control_places.h"

namespace {

QRect ToQRect(const PixelRect& place) {
    return QRect(place.left, place.top, place.width, place.height);
}

}  // namespace

QRect PanelRect(QSize client) { return ToQRect(PanelPlace(client.width(), client.height())); }

QRect ControlRect(int id, QSize client) {
    return ToQRect(ControlPlace(id, client.width(), client.height()));
}

void LayoutControls(const MainWindowControls& controls, QSize client) {
    // The combo box shows one line; the 100 pixels are its dropped list's height.
    const QRect combo = ControlRect(kControlSongListCombo, client);
    controls.songListCombo->setGeometry(combo.x(), combo.y(), combo.width(),
                                        controls.songListCombo->sizeHint().height());
    controls.songListCombo->setMaxVisibleItems(
        qMax(1, combo.height() / qMax(1, controls.songListCombo->fontMetrics().height())));
    controls.listView->setGeometry(ControlRect(kControlSongList, client));
    for (std::size_t i = 0; i < kButtonIds.size(); ++i) {
        controls.buttons[i]->setGeometry(ControlRect(kButtonIds[i], client));
    }
}
