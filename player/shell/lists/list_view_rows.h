// The song-list view as the rows of the shown list for the model's SongListIndex.
#pragma once

#include "player/model/song_list_index.h"

class QTreeView;

class ListViewRows : public SongRowsView {
public:
    explicit ListViewRows(QTreeView* listView) : listView_(listView) {}

    const SongRows& Rows() const override;
    // The view's model takes the songs; the first row, if any, is focused and selected.
    void Show(const std::vector<SongListSong>& songs) override;
    void Append(const std::vector<SongListSong>& songs) override;

private:
    QTreeView* listView_;
};
