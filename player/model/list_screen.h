// What the logic of the window's commands needs from the list view: the rows of the shown song
// list and their marks, the focus and the selection, rows deleted and moved, and the player's
// message box.
#pragma once

#include <string>

#include "player/model/song_rows.h"

class ListScreen {
public:
    virtual ~ListScreen() = default;

    // The rows of the song list shown now.
    virtual const SongRows& Rows() const = 0;
    virtual void SetMark(int row, RowMark mark) = 0;
    virtual void ResetMarks() = 0;

    // The focused row; -1 when no row has the focus.
    virtual int FocusedRow() const = 0;
    // One flag per row: the selected ones.
    virtual RowFlags SelectedRows() const = 0;
    // Moves the focus to the row, the selection with it when select is true.
    virtual void FocusRow(int row, bool select) = 0;
    virtual void DeselectRow(int row) = 0;
    virtual void ClearSelection() = 0;

    // Deletes the flagged rows; the deleted rows leave the selection, and a focused row that is
    // deleted moves to the nearest row kept above it, else below it, else to none.
    virtual void RemoveRows(const RowFlags& chosen) = 0;
    // Moves the flagged rows as SongRows::MoveBlocks does, the flags, the selection and the focus
    // with them; false when nothing moved.
    virtual bool MoveRows(RowFlags& chosen, int step) = 0;
    // Scrolls the list so the row is in sight.
    virtual void ShowRow(int row) = 0;

    // A message box the user closes before the logic goes on.
    virtual void ShowMessage(const std::u16string& text) = 0;
};
