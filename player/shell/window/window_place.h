// Where the main window opens, and what of its place is kept for the next start: the restored
// geometry and the maximized state of the last run when a screen can still show them, else
// maximized in the primary screen's work area as at the first start. The arithmetic is
// player/model/window_places'.
#pragma once

class QDialog;
class QWidget;

// Shows the window at the geometry and in the state of g_windowMemory when the window keeps at
// least its smallest useful size, title bar included, in one screen's work area. Otherwise, or
// with none known, it opens maximized (title bar and frame in the work area), restoring to three
// quarters of the work area in its middle.
void PlaceMainWindow(QDialog* window);

// The window's restored geometry and maximized state into g_windowMemory, written at exit. A
// window never shown leaves what was read.
void KeepWindowPlace(const QWidget* window);
