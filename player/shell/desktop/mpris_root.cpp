#include "player/shell/desktop/mpris_root.h"

#include <QDialog>

#include "platform/messages.h"
#include "player/shell/desktop/media_snapshot.h"
#include "player/shell/window/single_instance.h"

MprisRoot::MprisRoot(QObject* object, const MainWindowControls& controls)
    : QDBusAbstractAdaptor(object), controls_(controls) {}

QString MprisRoot::Identity() const { return QStringLiteral("Tesalo"); }

QString MprisRoot::DesktopEntry() const { return QStringLiteral("tesalo-player"); }

QStringList MprisRoot::SupportedUriSchemes() const { return {QStringLiteral("file")}; }

QStringList MprisRoot::SupportedMimeTypes() const {
    return {QStringLiteral("audio/midi"), QStringLiteral("audio/x-midi")};
}

void MprisRoot::Raise() { RaisePlayerWindow(controls_.window); }

void MprisRoot::Quit() {
    if (TakeMediaState(controls_).busy) return;
    platform::PostWindowMessage(controls_.bridge, kMsgCommand, kCommandClose, 0);
}
