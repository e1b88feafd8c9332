// The library as the play logic reaches it: the song file read and prepared, then handed to
// TeDataSet, and the playback calls.
#pragma once

#include <cstdint>
#include <string>

#include "player/model/play_library.h"

class LibraryCalls final : public PlayLibrary {
public:
    LibraryCalls() = default;
    LibraryCalls(const LibraryCalls&) = delete;
    LibraryCalls& operator=(const LibraryCalls&) = delete;
    // A song loaded and not handed over is let go.
    ~LibraryCalls() override;

    bool LoadSong(const std::string& path) override;
    void HandOverSong() override;
    void Play() override;
    void PlayFrom(std::uint32_t ms) override;
    void Stop() override;
    void Pause() override;
    void Resume() override;

private:
    void FreeSong();

    std::uint8_t* image_ = nullptr;  // the prepared song, from LoadSong to HandOverSong
    std::uint32_t size_ = 0;
};
