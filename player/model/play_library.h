// What the play logic asks of the library: a song's file loaded and prepared, then handed over,
// and the playback calls.
#pragma once

#include <cstdint>
#include <string>

class PlayLibrary {
public:
    virtual ~PlayLibrary() = default;

    // Reads and prepares the song file at path, held until HandOverSong; false when the file
    // cannot be played.
    virtual bool LoadSong(const std::string& path) = 0;
    // TeDataSet with the song loaded last, which is let go then.
    virtual void HandOverSong() = 0;
    // TePlay, the library noted busy until the song's end report.
    virtual void Play() = 0;
    // TePlayFrom, the library noted busy until the song's end report.
    virtual void PlayFrom(std::uint32_t ms) = 0;
    virtual void Stop() = 0;    // TeStop
    virtual void Pause() = 0;   // TePause
    virtual void Resume() = 0;  // TeResume
};
