// The main window as the play logic sees it: the list view's rows, focus and marks, the
// caption, the picture buttons and the player's messages; and the window with the library,
// ready for one command or report of that logic.
#pragma once

#include "player/model/play_context.h"
#include "player/shell/window/library_calls.h"
#include "player/shell/window/main_window_controls.h"

class WindowPlayScreen final : public PlayScreen {
public:
    explicit WindowPlayScreen(const MainWindowControls& controls) : controls_(controls) {}

    const SongRows& Rows() const override;
    void SetMark(int row, RowMark mark) override;
    void ResetMarks() override;
    int FocusedRow() const override;
    void FocusRow(int row, bool select) override;
    void DeselectRow(int row) override;
    std::u16string Caption() const override;
    void SetCaption(const std::u16string& caption) override;
    void EnableButton(int id, bool enabled) override;
    void ShowMessage(const std::u16string& text) override;
    void PostClose() override;

private:
    const MainWindowControls& controls_;
};

// The window and the library for one call into the play logic.
struct WindowPlay {
    explicit WindowPlay(const MainWindowControls& controls) : screen(controls) {}

    WindowPlayScreen screen;
    LibraryCalls library;
    PlayContext context{screen, library};
};
