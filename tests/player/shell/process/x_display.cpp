#include "tests/player/shell/process/x_display.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

#include "tests/tools/cli_support.h"

bool ProgramInstalled(const std::string& program) {
    std::stringstream path(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "");
    for (std::string folder; std::getline(path, folder, ':');) {
        if (access((folder + "/" + program).c_str(), X_OK) == 0) return true;
    }
    return false;
}

pid_t StartXvfb(const std::string& log, std::string* display) {
    int numbers[2];
    if (pipe(numbers) != 0) return -1;
    const pid_t server = fork();
    if (server == 0) {
        close(numbers[0]);
        const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        const std::string fd = std::to_string(numbers[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
               "1024x768x24", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(numbers[1]);
    std::string number;
    char c = 0;
    while (read(numbers[0], &c, 1) == 1 && c != '\n') number += c;
    close(numbers[0]);
    if (number.empty()) {
        kill(server, SIGKILL);
        waitpid(server, nullptr, 0);
        return -1;
    }
    *display = ":" + number;
    return server;
}

void StopXvfb(pid_t server, const std::string& display) {
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    const std::string number = display.substr(1);
    std::filesystem::remove("/tmp/.X" + number + "-lock");
    std::filesystem::remove("/tmp/.X11-unix/X" + number);
}

pid_t StartOpenbox(const std::string& display, const std::string& home) {
    const pid_t manager = fork();
    if (manager == 0) {
        const int output =
            open((home + "/openbox.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        setenv("DISPLAY", display.c_str(), 1);
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
            setenv(name, home.c_str(), 1);
        }
        execlp("openbox", "openbox", static_cast<char*>(nullptr));
        _exit(127);
    }
    // A window manager announces itself on the root window.
    for (int i = 0; i < 200; ++i) {
        if (RunCommand("DISPLAY=" + display + " xprop -root _NET_SUPPORTING_WM_CHECK")
                .out.find("window id") != std::string::npos) {
            return manager;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    StopOpenbox(manager);
    return -1;
}

void StopOpenbox(pid_t manager) {
    kill(manager, SIGTERM);
    waitpid(manager, nullptr, 0);
}
