// One player per user. The first start holds the instance lock and listens on a local socket
// named per user; a later start finds the first one's window through the shared block, asks
// it over the socket to come to the front (handing it the files it was given), and ends.
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QLocalServer;
class QObject;
class QWidget;

inline constexpr char kInstanceLockName[] = "MUTEX_TESALO";
inline constexpr char kInstanceBlockName[] = "DDEFILEMAP_TESALO";
inline constexpr int kInstanceBlockSize = 32;

// The raise channel's name: in the user's runtime folder, else "tesalo-<uid>".
QString RaiseChannelName();

using OpenFilesHandler = std::function<void(const std::vector<std::string>& files)>;

// Listens on the raise channel (taking over a socket a crashed player left behind); on the GUI
// thread, raise runs for every raise request and open for every list of files handed over
// (raise instead when open is empty). A client that breaks the channel's form is dropped.
// nullptr when the channel cannot be opened.
QLocalServer* ListenForRaise(QObject* parent, std::function<void()> raise,
                             OpenFilesHandler open = {});

// The second start: when the first player's window exists, asks it to come to the front; with
// files (absolute paths), hands them to it instead, waiting a little for a window that is still
// being made. Shows nothing; true when the request was delivered.
bool HandOverToRunningPlayer(const std::vector<std::string>& files = {});

// Brings the player's window, restored if minimized, and the dialog in front of it to the front.
void RaisePlayerWindow(QWidget* window);
