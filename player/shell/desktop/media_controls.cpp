#include "player/shell/desktop/media_controls.h"

#include <unistd.h>

#include <QDBusConnectionInterface>
#include <QDialog>

#include "player/shell/desktop/media_watch.h"
#include "player/shell/desktop/mpris_names.h"
#include "player/shell/desktop/mpris_player.h"
#include "player/shell/desktop/mpris_root.h"

namespace {

void TakeName(QDBusConnection& bus) {
    if (bus.registerService(kMprisServiceName)) return;
    bus.registerService(kMprisServiceName + QStringLiteral(".instance%1").arg(getpid()));
}

}  // namespace

void StartMediaControls(const MainWindowControls& controls) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    auto* object = new QObject(controls.window);
    new MprisPlayer(object, controls, new MediaWatch(object, controls, bus));
    new MprisRoot(object, controls);
    if (!bus.registerObject(kMprisObjectPath, object)) {
        delete object;
        return;
    }
    TakeName(bus);
}
