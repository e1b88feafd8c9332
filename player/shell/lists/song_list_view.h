// The main window's song-list view (control kControlSongList): one row per song of the shown list,
// in the list's order, from the rows of its model (SongRowsModel); the list's file is written from
// the rows. The view keeps which rows are selected and which has the focus.
#pragma once

#include <string>
#include <vector>

#include "player/model/song_rows.h"
#include "player/shell/lists/song_rows_model.h"

class QTreeView;

// Makes listView the song-list view over rows of its own: its title and time columns at the given
// widths, the last, the file name, stretched over the rest of the view's width; its pictures,
// grid lines, several rows selectable as whole rows, the selection shown also without focus,
// rows dragged to a new place within the list.
void SetupSongListView(QTreeView* listView, int colTitle, int colTime);

// The rows the view shows.
SongRowsModel* ShownRows(const QTreeView* listView);
int RowCount(const QTreeView* listView);

// Appends a row for the song: its mark normal, the title with its mark, the play time as
// minutes:seconds, the path.
void AppendSongRow(QTreeView* listView, const SongListSong& song);

// The bytes of the row's path.
std::string RowPath(const QTreeView* listView, int row);

// The songs of the rows in display order.
std::vector<SongListSong> ShownSongs(const QTreeView* listView);

// The focused row, -1 without focus.
int FocusedRow(const QTreeView* listView);
// One flag per row: the selected ones.
RowFlags SelectedRows(const QTreeView* listView);
// The focus goes to the row (none for -1) and the row is selected as well (select), or not.
void FocusRow(QTreeView* listView, int row, bool select);
void DeselectRow(QTreeView* listView, int row);
// Scrolls the view so that the row shows.
void ShowRow(QTreeView* listView, int row);
