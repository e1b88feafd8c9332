#include "player/shell/single_instance.h"

#include <unistd.h>

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/instance.h"
#include "player/shell/raise_request.h"

namespace {

constexpr int kHandOverWaitMs = 2000;
// A player started a moment ago may not have made its window yet.
constexpr int kWindowWaitMs = 5000;
constexpr int kWindowPollMs = 50;

// Runs what a request asks. Files are opened from the event loop, not from inside the socket's
// signal: opening may show a message box, and its event loop must not read this client again.
void Serve(QObject* server, const RaiseRequest& request, const std::function<void()>& raise,
           const OpenFilesHandler& open) {
    if (request.kind == RaiseRequest::kRaise || (request.kind == RaiseRequest::kOpen && !open)) {
        raise();
    } else if (request.kind == RaiseRequest::kOpen) {
        QMetaObject::invokeMethod(server, [open, files = request.files] { open(files); },
                                  Qt::QueuedConnection);
    }
}

// Takes what the client sent so far; a request stays in its buffer until it is complete.
void ServeClient(QObject* server, QLocalSocket* client, std::string& buffer,
                 const std::function<void()>& raise, const OpenFilesHandler& open) {
    const QByteArray bytes = client->readAll();
    buffer.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    RaiseRequest request;
    for (;;) {
        const RequestRead read = TakeRaiseRequest(buffer, &request);
        if (read == RequestRead::kNeedMore) return;
        if (read == RequestRead::kBroken) {
            buffer.clear();
            client->abort();
            return;
        }
        Serve(server, request, raise, open);
    }
}

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

// Restored when minimized, on top, and active: under a window manager the activation is the
// _NET_ACTIVE_WINDOW request, which the manager grants.
void BringForward(QWidget* window) {
    if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

}  // namespace

QString RaiseChannelName() {
    const QString name = QStringLiteral("tesalo-%1").arg(getuid());
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? name : QString::fromLocal8Bit(runtime) + u'/' + name;
}

QLocalServer* ListenForRaise(QObject* parent, std::function<void()> raise, OpenFilesHandler open) {
    auto* server = new QLocalServer(parent);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the holder of the instance lock gets here: a socket of that name is a dead player's.
    QLocalServer::removeServer(RaiseChannelName());
    if (!server->listen(RaiseChannelName())) {
        delete server;
        return nullptr;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, raise, open] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            auto buffer = std::make_shared<std::string>();
            auto serve = [server, client, buffer, raise, open] {
                ServeClient(server, client, *buffer, raise, open);
            };
            QObject::connect(client, &QLocalSocket::readyRead, client, serve);
            QObject::connect(client, &QLocalSocket::disconnected, client,
                             &QObject::deleteLater);
            serve();  // what came with the connection
        }
    });
    return server;
}

bool HandOverToRunningPlayer(const std::vector<std::string>& files) {
    if (!WaitForFirstWindow(files.empty() ? 0 : kWindowWaitMs)) return false;
    QLocalSocket socket;
    socket.connectToServer(RaiseChannelName());
    if (!socket.waitForConnected(kHandOverWaitMs)) return false;
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
