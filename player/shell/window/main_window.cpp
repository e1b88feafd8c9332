#include "player/shell/window/main_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTreeView>

#include "player/model/player_state.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_rows_model.h"
#include "player/shell/status/status_panel.h"
#include "player/shell/window/list_drops.h"
#include "player/shell/window/list_gestures.h"
#include "player/shell/window/main_window_proc.h"
#include "player/shell/window/notify_bridge.h"
#include "player/shell/window/playback_keys.h"
#include "player/shell/window/window_buttons.h"
#include "player/shell/window/window_layout.h"

namespace {

// The song-list menu has its Japanese texts in both interface languages.
QMenu* MakeSongListMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->addAction(QString::fromUtf16(u"新規ソングリストの追加(&A)..."))
        ->setData(kCommandNewSongList);
    menu->addSeparator();
    menu->addAction(QString::fromUtf16(u"名前の編集(&E)..."))->setData(kCommandRenameSongList);
    menu->addAction(QString::fromUtf16(u"削除(&D)"))->setData(kCommandDeleteSongList);
    return menu;
}

}  // namespace

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("id102"));
    // A main window, not a dialog, to the window manager: it can be minimized and maximized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QString::fromUtf16(u"ＭＳ Ｐゴシック"), 9));  // the window's template font
    controls_.window = this;
    controls_.status = &status_;
    controls_.songListCombo = new QComboBox(this);
    controls_.songListCombo->setObjectName(QStringLiteral("id1022"));
    controls_.listView = new QTreeView(this);
    controls_.listView->setModel(new SongRowsModel(controls_.listView));
    ConnectListGestures(controls_);
    ConnectListDrops(controls_);
    ConnectPlaybackKeys(controls_);
    for (std::size_t i = 0; i < kButtonIds.size(); ++i) {
        const int id = kButtonIds[i];
        controls_.buttons[i] = MakeControlButton(id, this);
        connect(controls_.buttons[i], &QAbstractButton::clicked, this,
                [this, id] { RunCommand(controls_, id); });
    }
    ControlButton(controls_, kCommandStop)->setEnabled(false);  // until a song plays
    controls_.songListMenu = MakeSongListMenu(this);
    connect(controls_.songListCombo, &QComboBox::activated, this,
            [this] { ShowSongList(controls_.listView); });
    controls_.bridge = CreateNotifyBridge(this);
}

MainWindow::~MainWindow() { DestroyNotifyBridge(controls_.bridge); }

void MainWindow::reject() { RunCommand(controls_, kCommandClose); }

bool MainWindow::event(QEvent* event) {
    if (event->type() != BridgeEvent::kType) return QDialog::event(event);
    const auto* post = static_cast<const BridgeEvent*>(event);
    if (post->message == g_player.notifyMessage) {
        HandleReport(controls_, post->wParam, post->lParam);
    } else if (post->message == kMsgCommand) {
        RunCommand(controls_, static_cast<int>(post->wParam), post->lParam);
    }
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        RunCommand(controls_, kCommandPlayOrStop);
    } else {
        QDialog::keyPressEvent(event);  // Escape ends in reject()
    }
}

// The status panel, repainted from the off-screen picture (empty until the window starts).
void MainWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (status_.picture.isNull()) return;
    QPainter painter(this);
    PaintStatusPanel(painter, status_, StatusPanelRect(size()));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayoutControls(controls_, size());
}
