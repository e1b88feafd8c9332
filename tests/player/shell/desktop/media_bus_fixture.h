// The real player program on a private session bus that each test starts (dbus-daemon), called
// from the test over Qt D-Bus as a desktop's media controls call it, with the signals it sends.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>

#include "tests/player/shell/process/player_process_fixture.h"

inline const QString kService = QStringLiteral("org.mpris.MediaPlayer2.tesalo");
inline const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
inline const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");

// The media player signals seen on the bus, in order.
class SignalLog : public QObject {
    Q_OBJECT

public:
    std::vector<QVariantMap> changes;  // the changed properties of each PropertiesChanged
    std::vector<qlonglong> seeks;      // each Seeked's position

public slots:
    void PropertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidated);
    void Seeked(qlonglong position);
};

class PlayerMediaTest : public PlayerProcessTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // True once done() is, asked every 20 ms for 10 seconds while the signals come in.
    static bool Eventually(const std::function<bool()>& done);
    // True once the player's name is on the bus, within 10 seconds.
    bool ServiceAppears(const QString& service = kService);
    // A property of the player's media interface (kPlayer) or of its root one; nested maps
    // (the metadata) as QVariantMap. Invalid when it cannot be read.
    QVariant Property(const QString& name, const QString& interface = kPlayer);
    QVariantMap Metadata() { return Property(QStringLiteral("Metadata")).toMap(); }
    // Calls a method of the player's media interface (kPlayer) or of its root one; the reply.
    QDBusMessage Call(const QString& method, const QVariantList& arguments = {},
                      const QString& interface = kPlayer);
    // True once the property has the value, within 10 seconds.
    bool Becomes(const QString& name, const QVariant& value);
    // The changes signalled so far in which the property has the value.
    int ChangesTo(const QString& name, const QVariant& value) const;

    QDBusConnection bus_{QString()};
    QString service_ = kService;  // the name Call and Property address
    SignalLog log_;
    pid_t daemon_ = -1;
    std::string withoutBus_;  // the players' environment before the bus was added
};

// The value of a D-Bus reply's variant as plain Qt values: maps of a{sv} as QVariantMap.
QVariant Plain(const QVariant& value);
