// Pausing, resuming and seeking the playing song. A pause holds the library's device: the song,
// its time and the status panel stand still, and the caption says so. A seek stops the song
// held, so nothing more of it is heard, and plays it on from the new time once it has stopped.
// The state is g_player's.
#pragma once

#include <cstdint>

#include "player/model/play_context.h"

// Command kCommandPause: pauses the playing song, or resumes the paused one.
void PauseCommand(const PlayContext& context);
// Resumes the paused song where it stood.
void ResumeSong(const PlayContext& context);
// Lets go of a pause before the stopped song's end is carried out (the next song plays).
void ReleasePause(PlayLibrary& library);

// What a relative seek counts from: the song's time, or where a seek under way goes.
std::int64_t SeekBase();
// Commands kCommandSeekTo and kCommandSeekBy: the song plays on from targetMs (0 at the least;
// at or past its end, it ends); a seek under way goes there instead. Passed over while idle or
// while another stop is under way.
void SeekCommand(PlayLibrary& library, std::int64_t targetMs);
// The end of a seek's stop: the song plays on from the time asked for, still paused if it was.
void PlayOnFromSeek(PlayLibrary& library);
