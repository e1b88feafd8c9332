#include "player/model/player_usage.h"

#include <cstdio>
#include <string_view>

namespace {

const char kUsage[] =
    "usage:\n"
    "  tesalo-player [FILE...]\n"
    "  FILE           MIDI files to add to the song list \"Opened files\" and play; a player that\n"
    "                 runs already takes them, and this start ends\n"
    "options:\n"
    "  -h, --help     this text\n"
    "  -V, --version  the program's name and version\n";

}  // namespace

int AnswerUsageOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") return -1;
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--version" || argument == "-V") {
            std::printf("tesalo-player %s\n", TESALO_VERSION);
            return 0;
        }
    }
    return -1;
}
