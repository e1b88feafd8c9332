#include "player/model/command_line_files.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

// ".." is left as it is: behind a symbolic link it does not mean the folder before.
std::string AbsolutePath(const std::string& name, const std::string& folder) {
    std::filesystem::path path = name;
    if (!path.is_absolute()) path = std::filesystem::path(folder) / path;
    for (const auto& part : path) {
        if (part == "..") return path.string();
    }
    return path.lexically_normal().string();
}

std::string WorkingFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string("/") : folder.string();
}

}  // namespace

std::vector<std::string> CommandLineFiles(int argc, char** argv) {
    const std::string folder = WorkingFolder();
    std::vector<std::string> files;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (options && argument == "--") {
            options = false;
        } else if (!argument.empty() && (!options || argument.front() != '-')) {
            files.push_back(AbsolutePath(std::string(argument), folder));
        }
    }
    return files;
}
