#include "tests/player/shell/desktop/media_bus_fixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>

#include "tests/tools/cli_support.h"

namespace {

const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");

pid_t StartBus(const std::string& socket) {
    const std::string address = "--address=unix:path=" + socket;
    const pid_t child = fork();
    if (child == 0) {
        execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile",
               address.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

}  // namespace

QVariant Plain(const QVariant& value) {
    if (value.userType() == qMetaTypeId<QDBusVariant>())
        return Plain(value.value<QDBusVariant>().variant());
    if (value.userType() != qMetaTypeId<QDBusArgument>()) return value;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentType() != QDBusArgument::MapType) return value;
    QVariantMap map = qdbus_cast<QVariantMap>(argument);
    for (QVariant& entry : map) entry = Plain(entry);
    return map;
}

void SignalLog::PropertiesChanged(const QString& interface, const QVariantMap& changed,
                                  const QStringList& /*invalidated*/) {
    if (interface != kPlayer) return;
    QVariantMap plain;
    for (auto entry = changed.cbegin(); entry != changed.cend(); ++entry)
        plain.insert(entry.key(), Plain(entry.value()));
    changes.push_back(plain);
}

void SignalLog::Seeked(qlonglong position) { seeks.push_back(position); }

void PlayerMediaTest::SetUp() {
    PlayerProcessTest::SetUp();
    if (RunCommand("command -v dbus-daemon").exitCode != 0)
        GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon)";
    const std::string socket = home_ + "/bus";
    daemon_ = StartBus(socket);
    ASSERT_TRUE(Within10Seconds([&] { return std::filesystem::exists(socket); }));
    withoutBus_ = environment_;
    environment_ += "DBUS_SESSION_BUS_ADDRESS=unix:path=" + socket + " ";
    bus_ = QDBusConnection::connectToBus(QString::fromStdString("unix:path=" + socket),
                                         QStringLiteral("test"));
    ASSERT_TRUE(bus_.isConnected()) << bus_.lastError().message().toStdString();
    bus_.connect(QString(), kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                 QStringLiteral("PropertiesChanged"), &log_,
                 SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
    bus_.connect(QString(), kPath, kPlayer, QStringLiteral("Seeked"), &log_,
                 SLOT(Seeked(qlonglong)));
}

void PlayerMediaTest::TearDown() {
    QDBusConnection::disconnectFromBus(QStringLiteral("test"));
    PlayerProcessTest::TearDown();
    if (daemon_ > 0) {
        kill(daemon_, SIGTERM);
        waitpid(daemon_, nullptr, 0);
    }
}

bool PlayerMediaTest::Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 500; ++i) {
        QCoreApplication::processEvents();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

bool PlayerMediaTest::ServiceAppears(const QString& service) {
    return Eventually([&] { return bus_.interface()->isServiceRegistered(service).value(); });
}

QVariant PlayerMediaTest::Property(const QString& name, const QString& interface) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        service_, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << name;
    const QDBusMessage reply = bus_.call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    return Plain(reply.arguments().front());
}

QDBusMessage PlayerMediaTest::Call(const QString& method, const QVariantList& arguments,
                                   const QString& interface) {
    QDBusMessage call = QDBusMessage::createMethodCall(service_, kPath, interface, method);
    call.setArguments(arguments);
    return bus_.call(call);
}

bool PlayerMediaTest::Becomes(const QString& name, const QVariant& value) {
    return Eventually([&] { return Property(name) == value; });
}

int PlayerMediaTest::ChangesTo(const QString& name, const QVariant& value) const {
    int count = 0;
    for (const QVariantMap& change : log_.changes)
        count += change.contains(name) && change.value(name) == value ? 1 : 0;
    return count;
}
