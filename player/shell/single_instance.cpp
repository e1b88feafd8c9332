#include "player/shell/single_instance.h"

#include <unistd.h>

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <cstdint>
#include <cstring>

#include "platform/instance.h"

namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr int kHandOverWaitMs = 2000;

// Every line a client sends is one request; "raise" is the only one so far.
void ServeClient(QLocalSocket* client, const std::function<void()>& raise) {
    while (client->canReadLine()) {
        if (client->readLine() == kRaiseRequest) raise();
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

}  // namespace

QString RaiseChannelName() {
    const QString name = QStringLiteral("tesalo-%1").arg(getuid());
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? name : QString::fromLocal8Bit(runtime) + u'/' + name;
}

QLocalServer* ListenForRaise(QObject* parent, std::function<void()> raise) {
    auto* server = new QLocalServer(parent);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the holder of the instance lock gets here: a socket of that name is a dead player's.
    QLocalServer::removeServer(RaiseChannelName());
    if (!server->listen(RaiseChannelName())) {
        delete server;
        return nullptr;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, raise] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::readyRead, client,
                             [client, raise] { ServeClient(client, raise); });
            QObject::connect(client, &QLocalSocket::disconnected, client,
                             &QObject::deleteLater);
            ServeClient(client, raise);  // what came with the connection
        }
    });
    return server;
}

void HandOverToRunningPlayer() {
    if (!FirstWindowExists()) return;
    QLocalSocket socket;
    socket.connectToServer(RaiseChannelName());
    if (!socket.waitForConnected(kHandOverWaitMs)) return;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kHandOverWaitMs);
    socket.disconnectFromServer();
}

void RaisePlayerWindow() {
    QWidget* front = QApplication::activeModalWidget();
    if (front == nullptr) return;
    front->setWindowState((front->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    front->raise();
    front->activateWindow();
}
