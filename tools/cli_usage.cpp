// The usage texts of `tesalo`: the whole program's, and each command's alone.
#include <cstdio>
#include <string>

#include "tools/cli_commands.h"

namespace {

struct CommandUsage {
    const char* name;
    const char* synopsis;
    bool takesSoundOptions;
};

const CommandUsage kCommands[] = {
    {"render",
     "tesalo render [-q 0..3] [--rate 22050|44100] [--bits 8|16] [-p 8..32] [--lpf] [-m 0..16] "
     "[--voice FILE] [--raw] [--codes FILE] [--max-seconds N] [--start SECONDS] SONG -o OUT\n"
     "  tesalo render [-j 1..256] [-q 0..3] [--rate 22050|44100] [--bits 8|16] [-p 8..32] [--lpf] "
     "[-m 0..16] [--voice FILE] [--raw] [--max-seconds N] [--start SECONDS] SONG... -o FOLDER/",
     true},
    {"play",
     "tesalo play [-q 0..3] [--rate 22050|44100] [--bits 8|16] [-p 8..32] [--lpf] [-m 0..16] "
     "[--voice FILE] [--start SECONDS] SONG...",
     true},
    {"info", "tesalo info SONG...", false},
};

const char kSoundOptions[] =
    "options:\n"
    "  -q      output quality: 0 22050 Hz 8 bit (default), 1 22050 Hz 16 bit, 2 44100 Hz 8 bit, 3 "
    "44100 Hz 16 bit\n"
    "  --rate  sample rate in Hz, 22050 (default) or 44100\n"
    "  --bits  bits per sample, 8 (default) or 16; --rate and --bits choose the -q that has both,\n"
    "          and a -q given with them must say the same\n"
    "  -p      polyphony limit (default 16)\n"
    "  --lpf   low-pass filter, and echo at 16 bits\n"
    "  -m      synthesizer level (default 16)\n"
    "  --voice voice file (default: voice.txt beside the program, else the installed one)\n"
    "  --raw   render: write the device's bytes without a WAV header\n"
    "  --codes render: write every notification as a line \"CODE VALUE\"\n"
    "  -j      render: songs rendered at once into a folder (default: one per core); each song\n"
    "          becomes FOLDER/NAME.wav (.raw), a repeated NAME gets -2, -3, ... in order\n"
    "  --max-seconds  render: stop the song after N seconds of audio, as the stop button does\n"
    "  --start  begin each song SECONDS in (decimals allowed, such as 12.5): play starts there, "
    "and\n"
    "           render writes only from there on, the bytes a whole render has from that point\n";

const char kGeneralOptions[] =
    "  -h, --help     this text; tesalo help COMMAND or tesalo COMMAND --help: one command's\n"
    "  -V, --version  the program's name and version\n";

std::string Usage() {
    std::string text = "usage:\n";
    for (const CommandUsage& command : kCommands)
        text += std::string("  ") + command.synopsis + "\n";
    return text + kSoundOptions + kGeneralOptions;
}

}  // namespace

void PrintUsage() { std::fputs(Usage().c_str(), stderr); }

void PrintHelp() { std::fputs(Usage().c_str(), stdout); }

bool PrintCommandHelp(const std::string& name) {
    for (const CommandUsage& command : kCommands) {
        if (name != command.name) continue;
        std::printf("usage:\n  %s\n%s", command.synopsis,
                    command.takesSoundOptions ? kSoundOptions : "");
        return true;
    }
    return false;
}

void PrintVersion() { std::printf("tesalo %s\n", TESALO_VERSION); }
