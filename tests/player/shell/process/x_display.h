// A virtual X display for the player's process tests, with a window manager on it when asked.
#pragma once

#include <sys/types.h>

#include <string>

// True when the program is found on the PATH.
bool ProgramInstalled(const std::string& program);

// A virtual 1024 x 768 display on a number the server finds free itself, its output in log;
// the server's process id and the display's name, or -1 when it did not start.
pid_t StartXvfb(const std::string& log, std::string* display);
// Ends the server; it removes its lock and socket itself, whatever it leaves is removed here.
void StopXvfb(pid_t server, const std::string& display);

// Openbox on the display with its default settings, its files and output in home; its process
// id once it manages the display (within 10 seconds), else -1.
pid_t StartOpenbox(const std::string& display, const std::string& home);
void StopOpenbox(pid_t manager);
