#include "tests/support/sound_server.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool OnPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// The tab-separated fields of each line of `pactl list ... short`.
std::vector<std::vector<std::string>> Rows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        rows.push_back(fields);
    }
    return rows;
}

}  // namespace

SoundServer::SoundServer(const std::string& home) : home_(home) {
    fs::create_directories(home_ + "/run");
    fs::permissions(home_ + "/run", fs::perms::owner_all);
    // Listed first, the second device is the one a first-that-fits choice would take.
    std::ofstream(home_ + "/alsa.conf") << "pcm.second { type pulse; device \"two\" }\n";
    if (!Installed()) return;
    pid_ = fork();
    if (pid_ == 0) {
        setenv("HOME", home_.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home_ + "/run").c_str(), 1);
        const std::string log = home_ + "/pulseaudio.log";
        freopen(log.c_str(), "w", stderr);
        execlp("pulseaudio", "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
               "--use-pid-file=no", "--load=module-null-sink sink_name=one",
               "--load=module-null-sink sink_name=two", "--load=module-native-protocol-unix",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 100 && !running_; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        running_ = Pactl("get-default-sink").rfind("one", 0) == 0;
    }
}

SoundServer::~SoundServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

bool SoundServer::Installed() { return OnPath("pulseaudio") && OnPath("pactl"); }

std::string SoundServer::Environment() const {
    return "HOME=" + home_ + " XDG_RUNTIME_DIR=" + home_ + "/run ALSA_CONFIG_PATH=" + home_ +
           "/alsa.conf:/usr/share/alsa/alsa.conf ";
}

std::string SoundServer::Pactl(const std::string& arguments) const {
    return Output("env " + Environment() + "pactl " + arguments + " 2>/dev/null");
}

SoundServer::Stream SoundServer::FirstStream() const {
    // Probing a format opens and closes the device, and a slow machine lists such a stream now
    // and then: only a stream still there half a second after it was first seen counts.
    constexpr auto kSteady = std::chrono::milliseconds(500);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::string seen;
    std::chrono::steady_clock::time_point since;
    while (std::chrono::steady_clock::now() < deadline) {
        std::map<std::string, std::string> sinkNames;
        for (const auto& sink : Rows(Pactl("list sinks short"))) {
            if (sink.size() > 1) sinkNames[sink[0]] = sink[1];
        }
        const auto inputs = Rows(Pactl("list sink-inputs short"));
        const auto now = std::chrono::steady_clock::now();
        const auto same = std::find_if(inputs.begin(), inputs.end(), [&](const auto& input) {
            return input.size() > 4 && input[0] == seen;
        });
        if (same != inputs.end() && now - since >= kSteady)
            return {sinkNames[(*same)[1]], (*same)[4]};
        if (same == inputs.end()) {
            seen.clear();
            for (const auto& input : inputs) {
                if (input.size() > 4) {
                    seen = input[0];
                    since = now;
                    break;
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return {};
}

std::string SoundServer::SinkState(const std::string& sink) const {
    for (const auto& row : Rows(Pactl("list sinks short"))) {
        if (row.size() > 4 && row[1] == sink) return row[4];
    }
    return {};
}
