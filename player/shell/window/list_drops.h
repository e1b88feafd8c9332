// Dropping onto the list view: files and folders from a file manager are added to the shown
// list as the files of the command line are (pre-scanned, the unplayable ones named in one
// message), and rows dragged within the list move there, the playing row followed.
#pragma once

#include "player/shell/window/main_window_controls.h"

// Takes the drops of controls.listView, whose model must be there; the controls must live as
// long as the view.
void ConnectListDrops(const MainWindowControls& controls);
