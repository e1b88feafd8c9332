// The files of the player's command line ("Open with", the desktop entry's %F), made absolute.
#pragma once

#include <string>
#include <vector>

// The files of the command line (argv[1] on), each made absolute against the working folder; the
// bytes of a name stay as given. Arguments that start with '-' are options the player does not
// have and are passed over, up to a "--" after which every argument is a file.
std::vector<std::string> CommandLineFiles(int argc, char** argv);
