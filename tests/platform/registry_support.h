// For the registry, settings and file tests: a fresh XDG_CONFIG_HOME, the store file's text, a
// disk that fills up, and a process killed while it writes.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs work in a child process that the system kills (SIGXFSZ) once a file would grow past
// `bytes`: a program killed part way through a write. The signal it died of, 0 if it lived.
template <typename Work>
int DiesWritingPast(rlim_t bytes, Work work) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        work();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

}  // namespace registrytest
