// `tesalo render`'s parts: one song into one file, and many songs into a folder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/cli_options.h"
#include "tools/cli_output.h"

// What a render tells while it runs: the song's play time once it is known, then the
// milliseconds of music rendered since the last report.
struct RenderProgress {
    std::function<void(std::uint32_t playMs)> begin;
    std::function<void(std::uint32_t ms)> advance;
};

// The play time a render makes of a song of playMs: all of it from --start on, or the
// --max-seconds limit.
std::uint32_t RenderedMs(const CliOptions& options, std::uint32_t playMs);
// Renders options.songs[0] into the opened output and completes it; a failed render discards it.
int RenderInto(const CliOptions& options, RenderOutput& output, const RenderProgress& progress);

// False, with the reason on stderr, when one of the outputs or the --codes file is a song or
// the voice file under any name: rendering would destroy it.
bool NoOutputIsAnInput(const CliOptions& options, std::vector<std::string> outputs);

// True when the command line asks for a folder of renders: several songs, or -o naming a
// folder (an existing one, or a name that ends with '/').
bool IsBatchRender(const CliOptions& options);
// Renders every song into the folder options.output in worker processes, options.jobs at once.
int RenderBatch(const CliOptions& options);
