#include "player/shell/lists/list_view_rows.h"

#include <QItemSelectionModel>
#include <QTreeView>

#include "player/shell/lists/song_list_view.h"

const SongRows& ListViewRows::Rows() const { return ShownRows(listView_)->Rows(); }

void ListViewRows::Show(const std::vector<SongListSong>& songs) {
    ShownRows(listView_)->Assign(songs);
    if (RowCount(listView_) == 0) return;
    listView_->selectionModel()->setCurrentIndex(
        listView_->model()->index(0, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListViewRows::Append(const std::vector<SongListSong>& songs) {
    ShownRows(listView_)->Append(songs);
}
