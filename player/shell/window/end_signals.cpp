#include "player/shell/window/end_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

namespace {

// A signal handler may only write: the byte wakes the GUI thread's event loop.
int g_signalPipe[2] = {-1, -1};

void NoteSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    const ssize_t written = write(g_signalPipe[1], &byte, 1);  // a full pipe has a request already
    (void)written;
    errno = savedErrno;
}

void EndRun() {
    char bytes[16];
    while (read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    // Hidden, not rejected or closed: a window's own answer to Escape (the main window's waits for
    // the song's end) must not run.
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::exit(0);
}

}  // namespace

bool EndRunOnSignals() {
    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    auto* notifier =
        new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, &EndRun);
    struct sigaction action = {};
    action.sa_handler = &NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGHUP, &action, nullptr) == 0;
}
