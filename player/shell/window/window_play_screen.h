// The main window as the play logic sees it beside its list: the caption, the picture buttons
// and the window's Close command; and the list view, the window and the library, ready for one
// command or report of that logic.
#pragma once

#include "player/model/play_context.h"
#include "player/shell/window/library_calls.h"
#include "player/shell/window/list_view_screen.h"
#include "player/shell/window/main_window_controls.h"

class WindowPlayScreen final : public PlayWindow {
public:
    explicit WindowPlayScreen(const MainWindowControls& controls) : controls_(controls) {}

    std::u16string Caption() const override;
    void SetCaption(const std::u16string& caption) override;
    void EnableButton(int id, bool enabled) override;
    void PostClose() override;

private:
    const MainWindowControls& controls_;
};

// The list view, the window and the library for one call into the play logic.
struct WindowPlay {
    explicit WindowPlay(const MainWindowControls& controls)
        : list(controls.listView), window(controls) {}

    ListViewScreen list;
    WindowPlayScreen window;
    LibraryCalls library;
    PlayContext context{list, window, library};
};
