// SIGTERM and SIGHUP, which a session sends when it ends, end the player's run as its close
// button does, without asking anything.
#pragma once

// From now on SIGTERM and SIGHUP hide every window and menu without an answer (the code after a
// dialog's exec() sees it cancelled) and make every event loop of the GUI thread return, the
// nested ones too, and every one started later at once: the main window's exec() returns and
// its caller shuts down. Needs the application object; false when the signals cannot be taken.
bool EndRunOnSignals();
