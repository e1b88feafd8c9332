// Helpers for the tests of the per-user registry and the settings over it: a fresh
// XDG_CONFIG_HOME for each test, the store file's text, and a disk that fills up.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace registrytest {

// Sets XDG_CONFIG_HOME to a new empty folder; puts the old value back and removes the
// folder at the end.
class TemporaryConfigHome {
public:
    TemporaryConfigHome() {
        std::string pattern = std::filesystem::temp_directory_path() / "tesalo-config-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
        PointAt(folder_);
    }
    ~TemporaryConfigHome() {
        if (saved_) {
            setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TemporaryConfigHome(const TemporaryConfigHome&) = delete;
    TemporaryConfigHome& operator=(const TemporaryConfigHome&) = delete;

    void PointAt(const std::string& configHome) {
        setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    }
    const std::string& Folder() const { return folder_; }
    std::string StoreFolder() const { return folder_ + "/tesalo"; }
    std::string StorePath() const { return StoreFolder() + "/registry.reg"; }

private:
    std::string folder_;
    std::optional<std::string> saved_;
};

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// While it lives, no file of this process grows past `bytes`: a write beyond fails as on a
// full disk (root ignores folder permissions, but not this limit).
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*savedSignal_)(int) = SIG_DFL;
};

}  // namespace registrytest
