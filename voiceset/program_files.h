// Where the files shipped with the programs are: beside the running program in a build
// (build/bin/ holds voice.txt, the demo songs and the first-run song list), and below the
// install prefix's share/tesalo/ when installed (the program in bin/).
#pragma once

#include <string>

// The folder of the running program with its trailing '/'.
std::string RunningProgramFolder();

// The folder beside the program when it holds `name`, else the install prefix's share/tesalo/
// seen from the program's folder; with its trailing '/'.
std::string ShippedFileFolder(const std::string& programFolder, const std::string& name);

// The voice set the programs load when none is named: voice.txt in the shipped-file folder.
std::string ShippedVoiceFile();
