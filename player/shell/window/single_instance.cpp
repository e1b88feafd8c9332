#include "player/shell/window/single_instance.h"

#include <cstdint>

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include "platform/instance.h"
#include "player/model/instance_block.h"
#include "player/shell/window/x11_activation.h"

namespace {

constexpr int kHandOverWaitMs = 2000;
constexpr int kConnectRetryMs = 100;
// A player started a moment ago may not have made its window yet.
constexpr int kWindowWaitMs = 5000;

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

// A dialog without owner (the file chooser) or a message box that stays in front of the window;
// nullptr when there is none.
QWidget* ModalInFront(QWidget* window) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != window ? modal : nullptr;
}

// Qt's Wayland shell takes the token of the next activation from the environment, and removes it.
void ActivateOnWayland(QWidget* window, const std::string& token) {
    qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    QWidget* modal = ModalInFront(window);
    BringForward(modal != nullptr ? modal : window);
}

void ActivateOnX11(QWidget* window, const std::string& startupId) {
    RaisePlayerWindow(window);
    std::vector<std::uint32_t> windows = {static_cast<std::uint32_t>(window->winId())};
    if (QWidget* modal = ModalInFront(window))
        windows.push_back(static_cast<std::uint32_t>(modal->winId()));
    ActivateX11Windows(windows, startupId);
}

}  // namespace

QString RaiseChannelName() {
    const std::string folder = platform::InstanceFolder();
    return folder.empty() ? QString()
                          : QString::fromLocal8Bit(folder) + QStringLiteral("raise.socket");
}

bool HandOverToRunningPlayer(const std::vector<std::string>& files) {
    const int waitMs = files.empty() ? 0 : kWindowWaitMs;
    if (!WaitForFirstWindow(kInstanceBlockName, kInstanceBlockSize, waitMs)) return false;
    QLocalSocket socket;
    if (!ConnectToRunningPlayer(socket)) return false;
    const std::string request = EncodeRaiseRequest(files) + EnvironmentActivationRequests();
    socket.write(request.data(), static_cast<qint64>(request.size()));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kHandOverWaitMs)) return false;
    }
    socket.disconnectFromServer();
    return true;
}

void RaisePlayerWindow(QWidget* window) {
    BringForward(window);
    if (QWidget* modal = ModalInFront(window)) BringForward(modal);
}

void ActivatePlayerWindow(QWidget* window, const ActivationToken& activation) {
    const QString platform = QGuiApplication::platformName();
    if (activation.kind == ActivationToken::kWayland &&
        platform.startsWith(QStringLiteral("wayland"))) {
        ActivateOnWayland(window, activation.token);
    } else if (activation.kind == ActivationToken::kX11 && platform == QStringLiteral("xcb")) {
        ActivateOnX11(window, activation.token);
    }
}
