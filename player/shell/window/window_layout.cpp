#include "player/shell/window/window_layout.h"

#include <array>

#include <QAbstractButton>
#include <QComboBox>
#include <QTreeView>

namespace {

constexpr int kButtonSize = 22;
// The buttons in the panel's row, left to right, 23 pixels apart.
constexpr std::array<int, 10> kRowButtons = {
    kCommandPlay,     kCommandStop,       kCommandPrevious, kCommandNext,     kCommandSettings,
    kCommandAddFiles, kCommandDeleteRows, kCommandMoveUp,   kCommandMoveDown, kCommandVolume};

int RowIndex(int id) {
    for (std::size_t i = 0; i < kRowButtons.size(); ++i) {
        if (kRowButtons[i] == id) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

QRect PanelRect(QSize client) {
    return QRect(QPoint(1, client.height() - 60), QPoint(client.width() - 2, client.height() - 2));
}

QRect ControlRect(int id, QSize client) {
    const int w = client.width(), h = client.height();
    const QRect panel = PanelRect(client);
    if (id == kControlSongListCombo) return QRect(1, 1, w - 50, 100);
    if (id == kControlSongList) return QRect(1, 26, w - 2, h - 88);
    if (id == kCommandCloseButton) return QRect(w - 28, panel.top() + 35, kButtonSize, kButtonSize);
    if (id == kCommandSongListMenu) return QRect(w - 40, 3, 33, 19);
    const int index = RowIndex(id);
    if (index < 0) return QRect();
    return QRect(panel.left() + 6 + 23 * index, panel.top() + 4, kButtonSize, kButtonSize);
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
