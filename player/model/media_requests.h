// Which window command each of the desktop's media requests comes to in the player's state:
// the requests act as the window's own buttons and keys do.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "player/model/media_state.h"

enum class MediaRequest { kPlay, kPause, kPlayPause, kStop, kNext, kPrevious };

// The command id that carries out the request; nullopt when the request asks for nothing in
// this state (Pause while nothing plays, Stop while idle, Next and Previous with no row to go to,
// anything while busy).
std::optional<int> CommandFor(MediaRequest request, const MediaState& state);

// The milliseconds kCommandSeekBy jumps by for an offset in microseconds, within the range of
// an int; nullopt while no song plays, or while busy.
std::optional<int> SeekByMs(std::int64_t offsetUs, const MediaState& state);

// The milliseconds kCommandSeekTo plays on from; nullopt when the track (its TrackPath) is not
// the playing one or the position is before the start or past the song's end, or while busy.
std::optional<int> SeekToMs(const std::string& track, std::int64_t positionUs,
                            const MediaState& state);
