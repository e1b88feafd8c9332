// For the registry and settings tests: a fresh XDG_CONFIG_HOME, the store file's text, and a
// disk that fills up.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace registrytest {

// XDG_CONFIG_HOME is a new empty folder until the end of the test.
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
    std::string StorePath() const { return folder_ + "/tesalo/registry.reg"; }

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

// No file grows past `bytes` while it lives, as on a full disk (tests run as root, whom
// folder permissions do not stop).
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
