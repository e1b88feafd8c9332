// The order of the player's end, the same whether the user closed the window, a signal ended the
// run, or the display went away: the library's boxes go first, then everything unsaved is saved
// (a session that ends may not wait long), then the library stops, then the instance block is
// given back. The steps that need the window system or the library go through ShutdownSteps.
#pragma once

#include <chrono>

class ShutdownSteps {
public:
    virtual ~ShutdownSteps() = default;

    // TeCleanUp waits for the library's thread: none of its boxes may wait for the ending thread
    // then, nor any show on a display that is gone.
    virtual void RemoveLibraryBoxes() = 0;
    // Into the settings: the list view's column widths, the window's place, the list it shows.
    virtual void KeepColumnWidths() = 0;
    virtual void KeepWindowPlace() = 0;
    virtual void KeepShownSongList() = 0;
    // False when a change of the shown song list could not be saved; tells nobody.
    virtual bool SaveUnsavedSongList() = 0;

    virtual void StopLibrary() = 0;  // TeStop
    // True when no song is being played, waiting at most timeout for its end.
    virtual bool WaitForLibraryIdle(std::chrono::milliseconds timeout) = 0;
    virtual bool LibraryStarted() = 0;  // TeGetParent() is a window
    virtual void CleanUpLibrary() = 0;  // TeCleanUp

    // Unmaps the instance block; then the block's name and the raise channel are removed.
    virtual void CloseInstanceBlock(void* block) = 0;
    virtual void RemoveInstance() = 0;
};

class PlayerShutdown {
public:
    // Saves what is unsaved (the window's state and its song list only withWindow), stops the
    // library and gives back the instance block of g_player, if this start holds it. Only the
    // first call does anything. No box may be shown here (the display may be gone): a save that
    // fails is told on standard error. 0 when the settings could not be saved.
    int Run(ShutdownSteps& steps, bool withWindow);

private:
    bool done_ = false;
};
