#include "player/shell/desktop/mpris_player.h"

#include <QDialog>

#include "platform/messages.h"
#include "player/model/file_url.h"
#include "player/shell/desktop/media_properties.h"
#include "player/shell/desktop/media_watch.h"
#include "player/shell/window/opened_files.h"

MprisPlayer::MprisPlayer(QObject* object, const MainWindowControls& controls, MediaWatch* watch)
    : QDBusAbstractAdaptor(object), controls_(controls), watch_(watch) {}

QVariant MprisPlayer::Current(const QString& name) const {
    return ChangingProperties(TakeMediaState(controls_)).value(name);
}

QString MprisPlayer::PlaybackStatus() const {
    return Current(QStringLiteral("PlaybackStatus")).toString();
}

QVariantMap MprisPlayer::Metadata() const { return Current(QStringLiteral("Metadata")).toMap(); }

qlonglong MprisPlayer::Position() const {
    return static_cast<qlonglong>(TakeMediaState(controls_).positionMs) * 1000;
}

bool MprisPlayer::CanGoNext() const { return Current(QStringLiteral("CanGoNext")).toBool(); }

bool MprisPlayer::CanGoPrevious() const {
    return Current(QStringLiteral("CanGoPrevious")).toBool();
}

bool MprisPlayer::CanPlay() const { return Current(QStringLiteral("CanPlay")).toBool(); }

bool MprisPlayer::CanPause() const { return Current(QStringLiteral("CanPause")).toBool(); }

bool MprisPlayer::CanSeek() const { return Current(QStringLiteral("CanSeek")).toBool(); }

void MprisPlayer::Play() { Request(MediaRequest::kPlay); }

void MprisPlayer::Pause() { Request(MediaRequest::kPause); }

void MprisPlayer::PlayPause() { Request(MediaRequest::kPlayPause); }

void MprisPlayer::Stop() { Request(MediaRequest::kStop); }

void MprisPlayer::Next() { Request(MediaRequest::kNext); }

void MprisPlayer::Previous() { Request(MediaRequest::kPrevious); }

void MprisPlayer::Seek(qlonglong Offset) {
    const std::optional<int> ms = SeekByMs(Offset, TakeMediaState(controls_));
    if (ms) Post(kCommandSeekBy, *ms);
}

void MprisPlayer::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position) {
    const std::optional<int> ms =
        SeekToMs(TrackId.path().toStdString(), Position, TakeMediaState(controls_));
    if (ms) Post(kCommandSeekTo, *ms);
}

void MprisPlayer::OpenUri(const QString& Uri) {
    const std::optional<std::string> path = FilePathOf(Uri.toStdString());
    if (!path) return;
    // From the event loop: opening may show a message box, which must not run inside the call.
    QMetaObject::invokeMethod(
        controls_.window, [controls = controls_, path] { OpenFiles(controls, {*path}); },
        Qt::QueuedConnection);
    watch_->LookSoon();
}

void MprisPlayer::Request(MediaRequest request) {
    const std::optional<int> command = CommandFor(request, TakeMediaState(controls_));
    if (command) Post(*command);
}

void MprisPlayer::Post(int command, std::intptr_t lParam) {
    platform::PostWindowMessage(controls_.bridge, kMsgCommand, static_cast<std::uintptr_t>(command),
                                lParam);
    watch_->LookSoon();
}
