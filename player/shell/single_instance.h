// One player per user. The first start holds the instance lock and listens on a local socket
// named per user; a later start finds the first one's window through the shared block, asks
// it over the socket to come to the front, and ends.
#pragma once

#include <QString>

#include <functional>

class QLocalServer;
class QObject;

inline constexpr char kInstanceLockName[] = "MUTEX_TESALO";
inline constexpr char kInstanceBlockName[] = "DDEFILEMAP_TESALO";
inline constexpr int kInstanceBlockSize = 32;

// The raise channel's name: in the user's runtime folder, else "tesalo-<uid>".
QString RaiseChannelName();

// Listens on the raise channel (taking over a socket a crashed player left behind); raise runs
// on the GUI thread for every request. nullptr when the channel cannot be opened.
QLocalServer* ListenForRaise(QObject* parent, std::function<void()> raise);

// The second start: when the first player's window exists, asks it to come to the front.
// Shows nothing, whatever fails.
void HandOverToRunningPlayer();

// Brings the player's window (or the dialog in front of it) to the front.
void RaisePlayerWindow();
