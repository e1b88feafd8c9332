#include "midi/midi_scan.h"

#include <algorithm>
#include <thread>

#include "midi/midi_bytes.h"
#include "midi/smf_event.h"
#include "midi/smf_image.h"
#include "midi/varlen.h"
#include "platform/codepage.h"

namespace {

constexpr std::uint32_t kDefaultTempo = 500000;
// The sequencer plays no slower than 31 quarter notes per minute.
constexpr std::uint32_t kSlowestTempo = 1935483;
constexpr std::uint32_t kSlowestPerMinute = 31;
// The result in milliseconds must fit 32 bits.
constexpr std::uint64_t kMaxTotalUs = std::uint64_t{UINT32_MAX} * 1000;
constexpr std::uint8_t kMetaName = 0x03;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kMetaTempo = 0x51;

struct TempoMap {
    std::uint32_t division;
    std::uint32_t usPerTick;
    std::uint64_t totalUs;
};

// A tempo of 0 or one without its three bytes is ignored, as the sequencer does.
void TakeTempo(const SmfEvent& event, TempoMap& map) {
    if (event.dataLength < 3) return;
    std::uint32_t tempo = BigEndian24(event.data);
    if (tempo == 0) return;
    if (60000000 / tempo < kSlowestPerMinute) tempo = kSlowestTempo;
    map.usPerTick = tempo / map.division;
}

// Only the first name fills the title; at most 255 units, never half a surrogate pair.
void TakeTitle(const SmfEvent& event, char16_t* title) {
    if (title[0] != u'\0') return;
    const std::u16string text =
        platform::DecodeSystemText(reinterpret_cast<const char*>(event.data), event.dataLength);
    std::size_t length = std::min<std::size_t>(text.size(), kTitleCapacity - 1);
    if (length < text.size() && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) {
        --length;
    }
    std::copy_n(text.data(), length, title);
    title[length] = u'\0';
}

// A title of two or more units loses its trailing spaces (all of them, if that is all it is).
void TrimTitle(char16_t* title) {
    std::size_t length = std::char_traits<char16_t>::length(title);
    if (length < 2) return;
    while (length > 0 && title[length - 1] == u' ') --length;
    title[length] = u'\0';
}

// Walks the track behind the header chunk; its end-of-track or the image end ends the walk.
std::uint32_t ScanTrack(const std::uint8_t* image, std::uint32_t size, char16_t* title,
                        ScanPace pace) {
    const std::uint64_t trackStart = 16 + std::uint64_t{ReadBig32(image, size, 4)};
    if (trackStart >= size) return 0;
    const std::uint8_t* end = image + size;
    const std::uint8_t* cursor = image + trackStart;
    ReadVarLen(&cursor, end);  // the first event counts from time 0
    TempoMap map{ReadBig16(image, size, 12), 0, 0};
    map.usPerTick = kDefaultTempo / map.division;
    std::uint8_t runningStatus = 0;
    SmfEvent event;
    while (StepEvent(&cursor, end, &runningStatus, &event)) {
        if (event.status == 0xFF) {
            if (event.metaType == kMetaEndOfTrack) break;  // the sequencer reads no delta after it
            if (event.metaType == kMetaName) TakeTitle(event, title);
            if (event.metaType == kMetaTempo) TakeTempo(event, map);
        }
        const std::uint64_t delta = ReadVarLen(&cursor, end);
        map.totalUs = std::min(map.totalUs + delta * map.usPerTick, kMaxTotalUs);
        if (map.totalUs != 0 && pace == ScanPace::kShareTheCpu) std::this_thread::yield();
    }
    return static_cast<std::uint32_t>(map.totalUs / 1000);
}

}  // namespace

std::uint32_t ScanMidiFile(const std::string& path, char16_t title[kTitleCapacity], ScanPace pace) {
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(path, &image, &size)) return 0;
    if (PrepareSmfImage(&image, &size) == -1) {
        FreeFileImage(image);
        return 0;
    }
    title[0] = u'\0';
    const std::uint32_t playMs = ScanTrack(image, size, title, pace);
    TrimTitle(title);
    FreeFileImage(image);
    return playMs;
}
