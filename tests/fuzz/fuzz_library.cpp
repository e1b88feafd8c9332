#include "tests/fuzz/fuzz_library.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "library/engine/engine.h"
#include "library/frame/state.h"
#include "library/tesalo.h"
#include "platform/event.h"
#include "tests/doubles/waveout_null.h"
#include "tests/fuzz/fuzz_silence.h"

namespace {

constexpr std::uint32_t kReportLimitMs = 20000;
constexpr std::uint32_t kFormats[] = {TE_FORMAT_22K_8, TE_FORMAT_22K_16, TE_FORMAT_44K_8,
                                      TE_FORMAT_44K_16};

platform::WindowHandle parent = 0;
int runningFormat = -1;

std::intptr_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

void LoadBundledVoices() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream in(TESALO_VOICE_FILE, std::ios::binary);
        std::vector<std::uint8_t> read{std::istreambuf_iterator<char>(in), {}};
        if (read.empty()) {
            std::fprintf(stderr, "cannot read %s\n", TESALO_VOICE_FILE);
            std::abort();
        }
        return read;
    }();
    if (TeVoiceSet(bytes.data(), static_cast<std::int32_t>(bytes.size())) != 1) std::abort();
}

// The next notice of the library, or aborts: a library that posts nothing for 20 s hangs.
std::uint32_t NextCode() {
    platform::WindowMessage message;
    for (;;) {
        if (platform::WaitWindowMessage(&message, kReportLimitMs) != 1) {
            std::fprintf(stderr, "the library reported nothing for %u ms\n", kReportLimitMs);
            std::abort();
        }
        if (message.message == g.notifyMessage) return static_cast<std::uint32_t>(message.wParam);
    }
}

void DrainMessages() {
    platform::WindowMessage message;
    while (platform::WaitWindowMessage(&message, 0) == 1) {
    }
}

// The library's thread must have ended before the process exits.
void CleanUpAtExit() {
    if (runningFormat >= 0) TeCleanUp();
}

}  // namespace

int ChosenFormat(int choice) {
    static const char* held = std::getenv("TESALO_FUZZ_FORMAT");
    if (held != nullptr && *held != '\0' && std::atoi(held) != choice) return -1;
    return choice;
}

void ForgetVoices() {
    FreeVoiceTable();
    ClearVoiceTable();
}

void StartFuzzLibrary(int format) {
    SilenceMessageBoxes();
    if (runningFormat == format) return;
    if (runningFormat >= 0) TeCleanUp();
    if (parent == 0) {
        platform::WaveOutUseNull(platform::NullPacing::kInstant);
        parent = platform::CreateMessageWindow(IgnoreMessages);
        std::atexit(CleanUpAtExit);
    }
    if (TeInit(kFormats[format], parent, 16, 0) != 1) std::abort();
    DrainMessages();
    runningFormat = format;
    LoadBundledVoices();
}

void PlayCapped(const std::uint8_t* image, std::size_t size, int maxBlocks) {
    DrainMessages();
    if (TeDataSet(image, static_cast<std::int32_t>(size)) != 1) return;
    if (TePlay() != 1) {
        DrainMessages();
        return;
    }
    int blocks = 0;
    bool stopped = false;
    for (;;) {
        const std::uint32_t code = NextCode();
        if (code == 6) break;
        if (code == 2 && ++blocks >= maxBlocks && !stopped) {
            TeStop();
            stopped = true;
        }
    }
    DrainMessages();
}
