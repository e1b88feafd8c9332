// The subcommands of the `tesalo` program.
#pragma once

#include "tools/cli_options.h"

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The usage text on stderr.
void PrintUsage();

int RunRender(const CliOptions& options);
int RunPlay(const CliOptions& options);
int RunInfo(const CliOptions& options);
