#include "player/shell/window/raise_server.h"

#include <deque>
#include <memory>

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include "player/shell/window/single_instance.h"

namespace {

// Later starts connect one at a time and send at once: more clients than this, or a client
// still without a whole request after this long, hold descriptors for nothing.
constexpr std::size_t kMaxClients = 8;
constexpr int kClientTimeoutMs = 5000;
// How soon a channel that Qt had to close is opened again.
constexpr int kListenCheckMs = 1000;

using Clients = std::deque<QPointer<QLocalSocket>>;

struct Handlers {
    std::function<void()> raise;
    OpenFilesHandler open;
    ActivateHandler activate;
};

// Runs what a request asks. Files are opened from the event loop, not from inside the socket's
// signal: opening may show a message box, and its event loop must not read this client again.
// A token waits in the same queue, so it is used after the files before it are opened.
void Serve(QObject* server, const RaiseRequest& request, const Handlers& handlers) {
    if (request.kind == RaiseRequest::kRaise ||
        (request.kind == RaiseRequest::kOpen && !handlers.open)) {
        handlers.raise();
    } else if (request.kind == RaiseRequest::kOpen) {
        QMetaObject::invokeMethod(
            server, [open = handlers.open, files = request.files] { open(files); },
            Qt::QueuedConnection);
    } else if (request.kind == RaiseRequest::kActivate && handlers.activate) {
        QMetaObject::invokeMethod(
            server,
            [activate = handlers.activate, activation = request.activation] {
                activate(activation);
            },
            Qt::QueuedConnection);
    }
}

void Drop(QLocalSocket* client) {
    client->abort();
    client->deleteLater();
}

// Takes what the client sent so far; a request stays in its buffer until it is complete.
void ServeClient(QObject* server, QLocalSocket* client, std::string& buffer,
                 const Handlers& handlers) {
    const QByteArray bytes = client->readAll();
    buffer.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    RaiseRequest request;
    for (;;) {
        const RequestRead read = TakeRaiseRequest(buffer, &request);
        if (read == RequestRead::kNeedMore) return;
        if (read == RequestRead::kBroken) {
            buffer.clear();
            Drop(client);
            return;
        }
        Serve(server, request, handlers);
    }
}

// Makes room for one more client by dropping the oldest ones.
void KeepRoom(Clients& clients) {
    std::erase_if(clients, [](const QPointer<QLocalSocket>& client) {
        return client.isNull() || client->state() != QLocalSocket::ConnectedState;
    });
    while (clients.size() >= kMaxClients) {
        Drop(clients.front());
        clients.pop_front();
    }
}

void TakeClient(QLocalServer* server, QLocalSocket* client, Clients& clients,
                const Handlers& handlers) {
    KeepRoom(clients);
    clients.emplace_back(client);
    auto buffer = std::make_shared<std::string>();
    auto serve = [server, client, buffer, handlers] {
        ServeClient(server, client, *buffer, handlers);
    };
    QObject::connect(client, &QLocalSocket::readyRead, client, serve);
    QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    QTimer::singleShot(kClientTimeoutMs, client, [client] { Drop(client); });
    serve();  // what came with the connection
}

bool Listen(QLocalServer* server, const QString& name) {
    // Only the holder of the instance lock gets here: a socket of that name is a dead player's.
    QLocalServer::removeServer(name);
    return server->listen(name);
}

}  // namespace

QLocalServer* ListenForRaise(QObject* parent, std::function<void()> raise, OpenFilesHandler open,
                             ActivateHandler activate) {
    const QString name = RaiseChannelName();
    auto* server = new QLocalServer(parent);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (name.isEmpty() || !Listen(server, name)) {
        delete server;
        return nullptr;
    }
    auto clients = std::make_shared<Clients>();
    const Handlers handlers{std::move(raise), std::move(open), std::move(activate)};
    QObject::connect(server, &QLocalServer::newConnection, server, [server, clients, handlers] {
        while (QLocalSocket* client = server->nextPendingConnection())
            TakeClient(server, client, *clients, handlers);
    });
    auto* check = new QTimer(server);
    // Qt closes the listening socket when taking a client fails, without a signal, and still
    // counts the server as listening: the socket that is gone tells.
    QObject::connect(check, &QTimer::timeout, server, [server, name] {
        if (server->socketDescriptor() != -1) return;
        server->close();
        Listen(server, name);
    });
    check->start(kListenCheckMs);
    return server;
}
