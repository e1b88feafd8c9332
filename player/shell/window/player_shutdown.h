// The player's end, the same steps whether the user closed the window, SIGTERM or SIGHUP ended
// the run, or the display went away (the window system then ends the process with exit()).
#pragma once

class QTreeView;

// Writes what is unsaved (the column widths of listView, its song list, the settings with the
// window's place and the list it shows), stops the library (a playing song first) and gives
// back the instance block and the raise channel. listView may be nullptr when there is no
// window. Only the first call does anything. A save that fails is told on standard error; 0
// when the settings could not be saved.
int ShutDownPlayer(const QTreeView* listView);

// From now on exit() runs ShutDownPlayer(listView) before the process ends; listView must stay
// until then, or ShutDownPlayer has run. Call it once the library has started: the sound
// system's own exit handler, registered by the library's start, then runs after it.
void ShutDownAtExit(const QTreeView* listView);
