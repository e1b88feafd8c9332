// One player per user. The first start holds the instance lock and listens on the raise channel
// (raise_server.h); a later start finds the first one's window through the shared block, asks
// it over the channel to come to the front (handing it the files it was given, and the token
// with which the desktop lets it activate a window), and ends. The lock, the block and the
// channel live in the user's instance folder (platform/instance.h).
#pragma once

#include <string>
#include <vector>

#include <QString>

#include "player/model/raise_request.h"

class QWidget;

inline constexpr char kInstanceLockName[] = "MUTEX_TESALO";
inline constexpr char kInstanceBlockName[] = "DDEFILEMAP_TESALO";
inline constexpr int kInstanceBlockSize = 32;

// The raise channel's socket in the instance folder; empty when there is no safe folder.
QString RaiseChannelName();

// The second start: when the first player's window exists, asks it to come to the front; with
// files (absolute paths), hands them to it instead, waiting a little for a window that is still
// being made. Then hands over the tokens of XDG_ACTIVATION_TOKEN and DESKTOP_STARTUP_ID, those
// that can be sent. Shows nothing; true when the requests were delivered.
bool HandOverToRunningPlayer(const std::vector<std::string>& files = {});

// Brings the player's window, restored if minimized, and the dialog in front of it to the front.
void RaisePlayerWindow(QWidget* window);

// Activates the player's window, or the dialog in front of it, with a token handed over: under
// Wayland a Wayland token, under X11 a startup id, whose launch's startup feedback then ends. A
// token of the other kind is passed over.
void ActivatePlayerWindow(QWidget* window, const ActivationToken& activation);
