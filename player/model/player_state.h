// The player's one state record. Only the GUI thread touches it: the library's reports
// arrive as events of that thread, in order with the user's commands.
#pragma once

#include <cstdint>

#include "player/resources/window_ids.h"

// Why playback is being stopped; the end-of-playback report carries it out.
enum PendingAction {
    kPendingNone = 0,
    kPendingClose = 1,
    kPendingOpen = 3,  // the focused row plays next: files handed over, a row double-clicked
    kPendingStop = kCommandStop,
    kPendingPrevious = kCommandPrevious,
    kPendingNext = kCommandNext,
    kPendingSeek = kCommandSeekTo,  // the song plays on from seekMs
};

struct PlayerState {
    int isPlaying = 0;      // a song was started and its end has not yet been handled
    bool isPaused = false;  // the playing song is held: the device takes no blocks
    int currentSong = 0;    // the row being played, or last played
    int pendingAction = kPendingNone;
    int elapsedMs = 0;                // play time of the current song
    std::uint32_t seekMs = 0;         // where the song plays on from after a seek's stop
    int busyFrame = 0;                // frame 0 or 1 of the activity picture
    std::uint32_t notifyMessage = 0;  // the registered TE_NOTIFY_MESSAGE
    bool japaneseUi = false;
    // Set by TePlay, cleared by its report TE_NOTIFY_PLAY: an end report that comes before it
    // belongs to the song before and must not end the new one.
    bool playReportDue = false;
    void* instanceBlock = nullptr;  // the 32-byte block shared with later starts
};

extern PlayerState g_player;
