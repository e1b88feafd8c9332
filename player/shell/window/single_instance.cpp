#include "player/shell/window/single_instance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include <cstdint>
#include <cstring>

#include "platform/instance.h"
#include "player/shell/window/raise_request.h"

namespace {

constexpr int kHandOverWaitMs = 2000;
constexpr int kConnectRetryMs = 100;
// A player started a moment ago may not have made its window yet.
constexpr int kWindowWaitMs = 5000;
constexpr int kWindowPollMs = 50;

bool FirstWindowExists() {
    const void* view = platform::OpenInstanceBlock(kInstanceBlockName, kInstanceBlockSize);
    if (view == nullptr) return false;
    std::uint32_t window = 0;
    std::memcpy(&window, view, sizeof window);
    platform::CloseInstanceBlock(view, kInstanceBlockSize);
    return window != 0;
}

bool WaitForFirstWindow(int waitMs) {
    for (int waited = 0;; waited += kWindowPollMs) {
        if (FirstWindowExists()) return true;
        if (waited >= waitMs) return false;
        QThread::msleep(kWindowPollMs);
    }
}

// The running player opens its channel again a moment after it had to close it.
bool ConnectToRunningPlayer(QLocalSocket& socket) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        socket.connectToServer(RaiseChannelName());
        if (socket.waitForConnected(kHandOverWaitMs)) return true;
        if (waited.elapsed() >= kHandOverWaitMs) return false;
        QThread::msleep(kConnectRetryMs);
    }
}

// Restored when minimized, on top, and active: under a window manager the activation is the
// _NET_ACTIVE_WINDOW request, which the manager grants.
void BringForward(QWidget* window) {
    if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

}  // namespace

QString RaiseChannelName() {
    const std::string folder = platform::InstanceFolder();
    return folder.empty() ? QString() : QString::fromLocal8Bit(folder) + QStringLiteral("raise.socket");
}

bool HandOverToRunningPlayer(const std::vector<std::string>& files) {
    if (!WaitForFirstWindow(files.empty() ? 0 : kWindowWaitMs)) return false;
    QLocalSocket socket;
    if (!ConnectToRunningPlayer(socket)) return false;
    const std::string request = EncodeRaiseRequest(files);
    socket.write(request.data(), static_cast<qint64>(request.size()));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kHandOverWaitMs)) return false;
    }
    socket.disconnectFromServer();
    return true;
}

void RaisePlayerWindow(QWidget* window) {
    BringForward(window);
    // A dialog without owner (the file chooser) or a message box stays in front of it.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != window) BringForward(modal);
}
