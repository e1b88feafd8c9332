// The desktop's media controls (media keys, the sound menu, the lock screen): the player on the
// session bus as org.mpris.MediaPlayer2.tesalo, object /org/mpris/MediaPlayer2, with the
// interfaces org.mpris.MediaPlayer2 and org.mpris.MediaPlayer2.Player.
#pragma once

#include "player/shell/window/main_window_controls.h"

// Puts the window's player on the session bus for as long as the window lives. Without a
// session bus nothing happens; when the name is taken (another player of the same user that
// runs beside this one), the player takes the name with ".instance" and its process id. Silent
// either way.
void StartMediaControls(const MainWindowControls& controls);
