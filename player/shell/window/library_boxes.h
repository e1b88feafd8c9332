// The library's message boxes ("TESALO.DLL") as Qt message boxes, whichever thread asks.
#pragma once

// From now on every platform message box is a QMessageBox shown on the GUI thread; a thread
// that asks waits until the box is closed.
void InstallLibraryBoxes();
// Back to the platform's default (stderr), for when no window can show a box any more.
void RemoveLibraryBoxes();
