// tesalo: render MIDI files to WAV, play them on the sound card, or tell what they hold.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/cli_commands.h"
#include "tools/cli_session.h"

static const char kUsage[] =
    "usage:\n"
    "  tesalo render [-q 0..3] [-p 8..32] [--lpf] [-m 0..16] [--voice FILE] [--raw] [--codes FILE] SONG -o OUT\n"
    "  tesalo play [-q 0..3] [-p 8..32] [--lpf] [-m 0..16] [--voice FILE] SONG...\n"
    "  tesalo info SONG...\n"
    "options:\n"
    "  -q      output quality: 0 22050 Hz 8 bit (default), 1 22050 Hz 16 bit, 2 44100 Hz 8 bit, 3 44100 Hz 16 bit\n"
    "  -p      polyphony limit (default 16)\n"
    "  --lpf   low-pass filter, and echo at 16 bits\n"
    "  -m      synthesizer level (default 16)\n"
    "  --voice voice file (default: voice.txt beside the program)\n"
    "  --raw   write the device's bytes without a WAV header\n"
    "  --codes write every notification as a line \"CODE VALUE\"\n";

void PrintUsage() { std::fputs(kUsage, stderr); }

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? kExitUsage : kExitOk;
    }
    const std::string command = argv[1];
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(argc, argv, 2, &options, &error)) {
        ReportError(error);
        PrintUsage();
        return kExitUsage;
    }
    if (command == "render") return RunRender(options);
    if (command == "play") return RunPlay(options);
    if (command == "info") return RunInfo(options);
    ReportError("unknown command " + command);
    PrintUsage();
    return kExitUsage;
}
