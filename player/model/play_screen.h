// What the play logic needs from the window: the rows of the shown song list, their focus and
// marks, the caption, the command buttons, the messages and the window's own Close command.
#pragma once

#include <string>

#include "player/model/song_rows.h"

class PlayScreen {
public:
    virtual ~PlayScreen() = default;

    // The rows of the song list shown now.
    virtual const SongRows& Rows() const = 0;
    virtual void SetMark(int row, RowMark mark) = 0;
    virtual void ResetMarks() = 0;

    // The focused row; -1 when no row has the focus.
    virtual int FocusedRow() const = 0;
    // Moves the focus to the row, the selection with it when select is true.
    virtual void FocusRow(int row, bool select) = 0;
    virtual void DeselectRow(int row) = 0;

    virtual std::u16string Caption() const = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
    // Enables or disables the picture button of the command id.
    virtual void EnableButton(int id, bool enabled) = 0;
    // A message box the user closes before the logic goes on.
    virtual void ShowMessage(const std::u16string& text) = 0;
    // Posts the Close command: the window closes once the report being handled is done.
    virtual void PostClose() = 0;
};
