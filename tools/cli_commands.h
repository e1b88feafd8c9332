// The subcommands of the `tesalo` program.
#pragma once

#include <string>

#include "tools/cli_options.h"

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The usage text on stderr (wrong usage), or on stdout (asked for).
void PrintUsage();
void PrintHelp();
// One command's usage on stdout; false for a command that does not exist.
bool PrintCommandHelp(const std::string& name);
// "tesalo VERSION" on stdout.
void PrintVersion();

int RunRender(const CliOptions& options);
int RunPlay(const CliOptions& options);
int RunInfo(const CliOptions& options);
