#include "voiceset/program_files.h"

#include <filesystem>

std::string RunningProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("./") : program.parent_path().string() + "/";
}

std::string ShippedFileFolder(const std::string& programFolder, const std::string& name) {
    std::error_code error;
    if (std::filesystem::exists(programFolder + name, error)) return programFolder;
    return programFolder + "../share/tesalo/";
}

std::string ShippedVoiceFile() {
    return ShippedFileFolder(RunningProgramFolder(), "voice.txt") + "voice.txt";
}
