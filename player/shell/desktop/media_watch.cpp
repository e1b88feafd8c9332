#include "player/shell/desktop/media_watch.h"

#include <QDBusMessage>
#include <QTimer>

#include "player/model/media_state.h"
#include "player/shell/desktop/media_properties.h"
#include "player/shell/desktop/mpris_names.h"

namespace {

constexpr int kLookIntervalMs = 100;

}  // namespace

MediaWatch::MediaWatch(QObject* object, const MainWindowControls& controls, QDBusConnection bus)
    : QObject(object), controls_(controls), bus_(std::move(bus)) {
    state_ = TakeMediaState(controls_);
    properties_ = ChangingProperties(state_);
    clock_.start();
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { Look(); });
    timer->start(kLookIntervalMs);
}

void MediaWatch::LookSoon() {
    // Queued behind the posted commands: the look comes once they have run.
    QMetaObject::invokeMethod(
        this, [this] { Look(); }, Qt::QueuedConnection);
}

void MediaWatch::Look() {
    const MediaState state = TakeMediaState(controls_);
    const qint64 wallMs = clock_.restart();
    const QVariantMap properties = ChangingProperties(state);
    if (const QVariantMap changed = ChangedEntries(properties_, properties); !changed.isEmpty())
        SendPropertiesChanged(changed);
    if (SeekedBetween(state_, state, wallMs)) SendSeeked(state.positionMs);
    state_ = state;
    properties_ = properties;
}

void MediaWatch::SendPropertiesChanged(const QVariantMap& changed) {
    QDBusMessage signal = QDBusMessage::createSignal(
        kMprisObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << kMprisPlayerInterface << changed << QStringList();
    bus_.send(signal);
}

void MediaWatch::SendSeeked(int positionMs) {
    QDBusMessage signal = QDBusMessage::createSignal(kMprisObjectPath, kMprisPlayerInterface,
                                                     QStringLiteral("Seeked"));
    signal << static_cast<qlonglong>(positionMs) * 1000;
    bus_.send(signal);
}
