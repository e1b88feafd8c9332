#include "player/shell/window/library_start.h"

#include <cstdint>

#include "library/tesalo.h"
#include "midi/smf_image.h"
#include "player/shell/window/message_boxes.h"
#include "voiceset/program_files.h"

namespace {

// The library itself, and the voice file shipped beside the program.
class StartCalls final : public LibraryStartCalls {
public:
    int Init(std::uint32_t formatFlag, platform::WindowHandle window, std::uint8_t level,
             std::int32_t waveMapper) override {
        return TeInit(formatFlag, window, level, waveMapper);
    }
    bool SetVoices() override {
        std::uint8_t* image = nullptr;
        std::uint32_t size = 0;
        if (!LoadFileImage(ShippedVoiceFile(), &image, &size)) return false;
        TeVoiceSet(image, static_cast<std::int32_t>(size));
        FreeFileImage(image);
        return true;
    }
    void SetStatus(std::int32_t polyLimit, std::int32_t lpfDelay) override {
        TeSetStatus(polyLimit, lpfDelay);
    }
    void SetMasterVolume(std::uint8_t level) override { ::SetMasterVolume(level); }
};

}  // namespace

int StartLibrary(platform::WindowHandle window) {
    StartCalls library;
    PlayerMessageBoxes messages;
    return StartLibrary(library, messages, window);
}
