// The main window's song-list view (control kControlSongList): one row per song of the current
// list, in the list's order. The view is the working copy of the list; its file is written from it.
#pragma once

#include <QtCore/qnamespace.h>

#include <string>
#include <vector>

#include "player/model/song_list_text.h"

class QTreeWidget;

enum SongColumn { kColumnState = 0, kColumnTitle = 1, kColumnTime = 2, kColumnFileName = 3 };

// The view's pictures, numbered as the rows use them.
enum RowPicture {
    kPictureNormal = 0,
    kPicturePlaying = 1,
    kPictureTitleMark = 2,
    kPictureFailed = 3,
};

// Item data of a row (column 0): the number that orders the rows when they are moved.
constexpr int kRowOrderRole = Qt::UserRole;
// The picture a cell shows.
constexpr int kPictureRole = Qt::UserRole + 1;
// The path's bytes in the file-name cell: the cell shows the path decoded, the song opens by
// these bytes and the list keeps them.
constexpr int kPathBytesRole = Qt::UserRole + 2;

// Makes listView the song-list view: its four columns at the given widths, its pictures, grid
// lines, several rows selectable as whole rows, the selection shown also without focus.
void SetupSongListView(QTreeWidget* listView, int colTitle, int colTime, int colFileTime);

// Sets the picture of one cell.
void SetRowPicture(QTreeWidget* listView, int row, int column, int picture);

// Appends a row for the song: state picture 0, the title with its mark, the play time as
// minutes:seconds, the path; its item data is its index.
void AppendSongRow(QTreeWidget* listView, const SongListSong& song);

// The bytes of the row's path.
std::string RowPath(const QTreeWidget* listView, int row);

// The songs of the rows in display order, the seconds read back from the time texts.
std::vector<SongListSong> SongRows(const QTreeWidget* listView);
