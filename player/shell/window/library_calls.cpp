#include "player/shell/window/library_calls.h"

#include "library/tesalo.h"
#include "midi/smf_image.h"
#include "player/model/library_activity.h"

LibraryCalls::~LibraryCalls() { FreeSong(); }

bool LibraryCalls::LoadSong(const std::string& path) {
    FreeSong();
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(path, &image, &size)) return false;
    if (PrepareSmfImage(&image, &size) == -1) {
        FreeFileImage(image);
        return false;
    }
    image_ = image;
    size_ = size;
    return true;
}

void LibraryCalls::HandOverSong() {
    TeDataSet(image_, static_cast<std::int32_t>(size_));
    FreeSong();
}

void LibraryCalls::Play() {
    NoteSongStarting();
    TePlay();
}

void LibraryCalls::PlayFrom(std::uint32_t ms) {
    NoteSongStarting();
    TePlayFrom(ms);
}

void LibraryCalls::Stop() { TeStop(); }

void LibraryCalls::Pause() { TePause(); }

void LibraryCalls::Resume() { TeResume(); }

void LibraryCalls::FreeSong() {
    if (image_ != nullptr) FreeFileImage(image_);
    image_ = nullptr;
    size_ = 0;
}
