#include "tools/cli_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t received = 0;
int wakePipe[2] = {-1, -1};

void OnStopSignal(int signal) {
    const int saved = errno;
    if (received == 0) received = signal;
    if (wakePipe[1] >= 0) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t ignored = write(wakePipe[1], &byte, 1);
    }
    errno = saved;
}

}  // namespace

void CatchStopSignals() {
    if (wakePipe[0] >= 0) return;
    if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) wakePipe[0] = wakePipe[1] = -1;
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

int StopSignal() { return received; }

int StopSignalPipe() { return wakePipe[0]; }

void DrainStopSignalPipe() {
    char bytes[64];
    while (wakePipe[0] >= 0 && read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
}

int StoppedExitCode() { return 128 + StopSignal(); }
