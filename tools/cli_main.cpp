// tesalo: render MIDI files to WAV, play them on the sound card, or tell what they hold.
#include <string>

#include "tools/cli_commands.h"
#include "tools/cli_session.h"

namespace {

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// --version, --help and help COMMAND print to standard output and succeed; an unknown command
// after help is wrong usage. -1 when the arguments ask for none of them.
int AnswerHelpOrVersion(int argc, char** argv) {
    const std::string first = argv[1];
    if (first == "--version" || first == "-V") {
        PrintVersion();
        return kExitOk;
    }
    if (IsHelp(first) || (first == "help" && argc == 2)) {
        PrintHelp();
        return kExitOk;
    }
    const std::string command = first == "help" ? (argc > 2 ? argv[2] : "") : first;
    const bool asked = first == "help" || (argc > 2 && IsHelp(argv[2]));
    if (!asked) return -1;
    if (PrintCommandHelp(command)) return kExitOk;
    ReportError("unknown command " + command);
    PrintUsage();
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage();
        return kExitUsage;
    }
    if (const int answered = AnswerHelpOrVersion(argc, argv); answered >= 0) return answered;
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
