// The values of the media player interface's properties that follow the player's state, as the
// desktop reads them, and which of them changed between two snapshots.
#pragma once

#include <QDBusObjectPath>
#include <QVariantMap>

#include "player/model/media_state.h"

// The track id of the song in a row; the "no track" id for -1.
QDBusObjectPath TrackIdOf(int row);

// "Playing", "Paused" or "Stopped".
QString StatusText(PlaybackStatus status);

// mpris:trackid, and for a song xesam:title, mpris:length (microseconds) and xesam:url (those the
// row has).
QVariantMap MetadataOf(const MediaState& state);

// PlaybackStatus, Metadata, CanGoNext, CanGoPrevious, CanPlay, CanPause and CanSeek by name (the
// position is not among them: a jump of it is signalled by itself). While busy, nothing can.
QVariantMap ChangingProperties(const MediaState& state);

// The entries of after whose value is not the one in before.
QVariantMap ChangedEntries(const QVariantMap& before, const QVariantMap& after);
