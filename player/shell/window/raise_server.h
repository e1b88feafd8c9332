// The running player's end of the raise channel: it serves the requests of later starts, a few
// clients at a time, each for a short while, and stays open for as long as the player runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "player/model/raise_request.h"

class QLocalServer;
class QObject;

using OpenFilesHandler = std::function<void(const std::vector<std::string>& files)>;
using ActivateHandler = std::function<void(const ActivationToken& activation)>;

// Listens on the raise channel (taking over a socket a crashed player left behind); on the GUI
// thread, raise runs for every raise request, open for every list of files handed over (raise
// instead when open is empty) and activate, when given, for every token handed over, after what
// the request before it asked. A client that breaks the channel's form, sends no whole request
// in time, or is the oldest when too many are connected is dropped. Should the channel close
// (accepting fails when the process has no file descriptor left), it is opened again. nullptr
// when the channel cannot be opened.
QLocalServer* ListenForRaise(QObject* parent, std::function<void()> raise,
                             OpenFilesHandler open = {}, ActivateHandler activate = {});
