// The shown list's rows (SongRows) as the list view's item model: the cells of
// player/model/row_cells with their icons, the path's bytes. Every change of the rows goes
// through it, told to the view once per change: a whole block of rows costs one notice, not one
// per row.
#pragma once

#include <functional>
#include <vector>

#include <QAbstractTableModel>
#include <QItemSelectionModel>

#include "player/model/dragged_rows.h"
#include "player/model/row_cells.h"
#include "player/model/song_rows.h"

// Item data of a row (column 0): the number that orders the rows, its place.
constexpr int kRowOrderRole = Qt::UserRole;
// The picture a cell shows.
constexpr int kPictureRole = Qt::UserRole + 1;
// The path's bytes in the file-name cell: the cell shows the path decoded, the song opens by
// these bytes and the list keeps them.
constexpr int kPathBytesRole = Qt::UserRole + 2;

// What the window adds to a drag of rows within the list: whether the list may change now (it
// tells the user when not), and what follows a move, given the new place of every row by its
// old place. Either may be empty.
struct RowDragHooks {
    std::function<bool()> mayMove;
    std::function<void(const std::vector<int>& places)> moved;
};

// The model has no removeRows: a drag of rows ends in the move its drop makes, nothing is taken
// out afterwards.
class SongRowsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    const SongRows& Rows() const { return rows_; }

    // The rows become the songs (a list is shown), or none.
    void Assign(const std::vector<SongListSong>& songs);
    // The songs become rows at the end.
    void Append(const std::vector<SongListSong>& songs);
    void SetMark(int row, RowMark mark);
    void ResetMarks();
    // Deletes the flagged rows in one pass (one change of the layout, however many blocks they
    // make); the view's selection and focus follow as for rows taken out: the deleted rows leave
    // the selection, and a current row of selection (may be null) that is deleted moves to the
    // nearest row kept above it, else below it, else to none.
    void Remove(const RowFlags& chosen, QItemSelectionModel* selection);
    // Moves the flagged rows as SongRows::MoveBlocks does, the flags, the view's selection and
    // focus with them; false when nothing moved.
    bool MoveBlocks(RowFlags& chosen, int step);
    void SetDragHooks(RowDragHooks hooks) { dragHooks_ = std::move(hooks); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows are dragged, dropped between rows (or below the last) and moved there as
    // SongRows::MoveTo moves them, the view's selection and focus with them, in one pass.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    // Carries out reorder (which changes rows_ and gives the new place of every row by its old
    // place, empty when nothing moved) with the view's rows, selection and focus following.
    bool Reorder(const std::function<std::vector<int>()>& reorder);
    // The view's rows, selection and focus go to the new places of their rows (places: the new
    // place of every row by its old place, -1 for a deleted one).
    void MovePersistentIndexes(const std::vector<int>& places);

    SongRows rows_;
    RowDragHooks dragHooks_;
};
