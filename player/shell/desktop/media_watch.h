// Tells the desktop what changed in the player without the window telling it: every 100 ms,
// and once the commands of a request have been carried out, a snapshot of the player is
// compared with the one before. PropertiesChanged carries the properties that changed, Seeked
// the new position when it jumped: when a seek seen under way has landed, or when the position
// moved otherwise than the music (a seek too quick to be seen).
#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QVariantMap>

#include "player/shell/desktop/media_snapshot.h"

class MediaWatch : public QObject {
public:
    // object: the object on the bus, which owns the watch.
    MediaWatch(QObject* object, const MainWindowControls& controls, QDBusConnection bus);

    // Looks after the commands posted so far.
    void LookSoon();

private:
    void Look();
    void SendPropertiesChanged(const QVariantMap& changed);
    void SendSeeked(int positionMs);

    MainWindowControls controls_;
    QDBusConnection bus_;
    MediaState state_;
    QVariantMap properties_;
    QElapsedTimer clock_;
};
