// The play order: which row the player plays after Play, Previous, Next, the end of a song or
// the library's refusal of it, in the play mode the settings give (one song, chain play, chain
// play with auto repeat), and where the playing row stays when rows are deleted.
#pragma once

#include <functional>

#include "player/model/song_rows.h"

struct PlayMode {
    bool chain = false;   // the rows after the one that ends play on
    bool repeat = false;  // with chain play: after the last row, row 0 again
};

enum class PlayEvent {
    kPlay,      // the Play command, on the focused row
    kPrevious,  // Previous while a song played, once it has stopped
    kNext,      // Next while a song played, once it has stopped
    kSongEnd,   // the song played to its end
    kRefused,   // the library refused the song
};

// What an event leads to.
struct PlayStep {
    enum Kind {
        kNothing,  // no rows to play: nothing changes
        kIdle,     // playback ends; row is the current song from now on
        kTry,      // rows are tried from row on (see TryRows)
    };
    Kind kind = kNothing;
    int row = 0;
    bool operator==(const PlayStep&) const = default;
};

// The step an event leads to. current: the row played last (for kPlay the focused row, -1
// without focus); rows: how many rows the list shown now has.
PlayStep NextPlayStep(PlayMode mode, PlayEvent event, int current, int rows);

// The end of trying rows.
struct PlayTry {
    bool started = false;  // a song was handed to the library
    int current = 0;       // the current song from now on
    bool tried = false;    // some row was tried (when none started, the user is told)
};

// Tries the rows from `from` on, start(row) handing a row's song to the library (false when
// its file cannot be played); chain play goes on past a row that fails, up to the last row.
PlayTry TryRows(PlayMode mode, int from, int rows, const std::function<bool(int)>& start);

// Where the player stands: whether a song plays, and its row.
struct PlayPosition {
    bool playing = false;
    int current = 0;
};

// Whether the chosen rows may be deleted: not when the playing row is among them (false). When
// they may, the current row moves to where its song will be once they are gone, if it plays.
bool DeleteKeepsPlayingRow(const SongRows& rows, const RowFlags& chosen, PlayPosition& position);
