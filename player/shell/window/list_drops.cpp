#include "player/shell/window/list_drops.h"

#include <string>
#include <vector>

#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QTreeView>

#include "player/model/player_state.h"
#include "player/model/row_commands.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/window/dropped_files.h"
#include "player/shell/window/midi_file_add.h"

namespace {

// The files are added once the drop is over: the file manager is not kept waiting for the scan.
void AddDroppedFiles(const MainWindowControls& controls, const std::vector<std::string>& dropped) {
    if (g_player.pendingAction == kPendingClose) return;
    QTreeView* view = controls.listView;
    if (AddMidiPaths(view, DroppedSongPaths(dropped), g_player.japaneseUi) == 1) SaveSongList(view);
}

// A drag from another program that carries local files; rows dragged within the list are the
// view's own.
bool FromFileManager(const QDropEvent* event, const QTreeView* view) {
    const QObject* source = event->source();
    const QMimeData* data = event->mimeData();
    if (source == view || source == view->viewport() || data == nullptr) return false;
    return data->hasUrls() && !LocalFilePaths(data->urls()).empty();
}

// Files are copied into the list, never moved: the file manager keeps them.
class FileDropFilter : public QObject {
public:
    FileDropFilter(const MainWindowControls& controls, QObject* parent)
        : QObject(parent), controls_(controls) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
            return QObject::eventFilter(watched, event);
        }
        auto* drop = static_cast<QDropEvent*>(event);
        if (!FromFileManager(drop, controls_.listView)) return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop) {
            const MainWindowControls& controls = controls_;
            const std::vector<std::string> paths = LocalFilePaths(drop->mimeData()->urls());
            QTimer::singleShot(0, controls.window,
                               [&controls, paths] { AddDroppedFiles(controls, paths); });
        }
        return true;
    }

private:
    const MainWindowControls& controls_;
};

// A dragged block keeps the playing row marked: the current song follows its row.
void RowsDragged(const MainWindowControls& controls, const std::vector<int>& places) {
    FollowDraggedRows(places);
    SaveSongList(controls.listView);
}

}  // namespace

void ConnectListDrops(const MainWindowControls& controls) {
    QTreeView* view = controls.listView;
    view->viewport()->installEventFilter(new FileDropFilter(controls, view));
    ShownRows(view)->SetDragHooks(
        {[] { return SongListEditable() == 1; },
         [&controls](const std::vector<int>& places) { RowsDragged(controls, places); }});
}
