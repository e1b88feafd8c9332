#include "player/shell/desktop/media_properties.h"

#include "player/model/file_url.h"

QDBusObjectPath TrackIdOf(int row) {
    return QDBusObjectPath(QString::fromStdString(TrackPath(row)));
}

QString StatusText(PlaybackStatus status) { return QString::fromLatin1(StatusName(status)); }

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
    if (const std::string url = FileUrl(state.path); !url.empty())
        metadata.insert(QStringLiteral("xesam:url"), QString::fromStdString(url));
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
