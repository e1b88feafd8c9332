#include "player/shell/desktop/media_properties.h"

#include "player/shell/desktop/file_url.h"

QDBusObjectPath TrackIdOf(int row) {
    if (row < 0)
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    return QDBusObjectPath(QStringLiteral("/org/tesalo/row/%1").arg(row));
}

QString StatusText(PlaybackStatus status) {
    switch (status) {
        case PlaybackStatus::kPlaying: return QStringLiteral("Playing");
        case PlaybackStatus::kPaused: return QStringLiteral("Paused");
        case PlaybackStatus::kStopped: break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap MetadataOf(const MediaState& state) {
    QVariantMap metadata;
    metadata.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackIdOf(state.row)));
    if (state.row < 0) return metadata;
    if (!state.title.empty())
        metadata.insert(QStringLiteral("xesam:title"), QString::fromStdU16String(state.title));
    if (state.seconds > 0) {
        metadata.insert(QStringLiteral("mpris:length"),
                        static_cast<qlonglong>(state.seconds) * 1'000'000);
    }
    if (const QString url = FileUrl(state.path); !url.isEmpty())
        metadata.insert(QStringLiteral("xesam:url"), url);
    return metadata;
}

QVariantMap ChangingProperties(const MediaState& state) {
    const bool free = !state.busy;
    const bool song = free && state.status != PlaybackStatus::kStopped;
    return {
        {QStringLiteral("PlaybackStatus"), StatusText(state.status)},
        {QStringLiteral("Metadata"), MetadataOf(state)},
        {QStringLiteral("CanGoNext"), free && state.canGoNext},
        {QStringLiteral("CanGoPrevious"), free && state.canGoPrevious},
        {QStringLiteral("CanPlay"), free && state.canPlay},
        {QStringLiteral("CanPause"), song},
        {QStringLiteral("CanSeek"), song},
    };
}

QVariantMap ChangedEntries(const QVariantMap& before, const QVariantMap& after) {
    QVariantMap changed;
    for (auto entry = after.cbegin(); entry != after.cend(); ++entry) {
        const auto old = before.constFind(entry.key());
        if (old == before.cend() || old.value() != entry.value())
            changed.insert(entry.key(), entry.value());
    }
    return changed;
}
