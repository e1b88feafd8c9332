#include "midi/smf_merge.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "midi/smf_event.h"
#include "midi/varlen.h"

namespace {

constexpr std::size_t kMaxTracks = 32;
constexpr std::size_t kMergedHeaderSize = 22;
constexpr std::uint32_t kExtraZeros = 8;
// The longest delta-time and an added status byte; the closing delta-time and FF 2F 00.
constexpr std::size_t kEventHeadRoom = 5 + 1;
constexpr std::size_t kEndRoom = 5 + 3;
constexpr std::uint8_t kTrackTag[] = {'M', 'T', 'r', 'k'};

struct FreeDeleter {
    void operator()(std::uint8_t* memory) const { std::free(memory); }
};
using Buffer = std::unique_ptr<std::uint8_t[], FreeDeleter>;

Buffer ZeroedBuffer(std::size_t size) {
    return Buffer(static_cast<std::uint8_t*>(std::calloc(size, 1)));
}

struct TrackCursor {
    Buffer start;                          // the track's own copy of its data
    const std::uint8_t* cursor = nullptr;  // nullptr once the track is finished
    std::uint32_t length = 0;
    std::uint32_t time = 0;  // ticks of the event at the cursor
    std::uint8_t runningStatus = 0;
};

struct MergedTrack {
    Buffer data;
    std::size_t capacity = 0;
    std::uint8_t* out = nullptr;
    std::uint32_t lastTime = 0;
};

// Copies up to count "MTrk" chunks found from offset on; a length beyond the image is cut at
// its end, and fewer chunks than declared are simply fewer tracks.
bool CopyTracks(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset,
                std::size_t count, std::vector<TrackCursor>* tracks) {
    const std::uint8_t* end = image + size;
    while (tracks->size() < count && offset < size) {
        const std::uint8_t* chunk = std::search(image + offset, end, kTrackTag, kTrackTag + 4);
        if (chunk == end) break;
        const std::uint64_t dataOffset = static_cast<std::uint64_t>(chunk - image) + 8;
        const std::uint64_t available = dataOffset < size ? size - dataOffset : 0;
        const std::uint32_t declared = ReadBig32(image, size, dataOffset - 4);
        TrackCursor track;
        track.length = static_cast<std::uint32_t>(std::min<std::uint64_t>(declared, available));
        track.start = ZeroedBuffer(std::size_t{track.length} + kExtraZeros);
        if (!track.start) return false;
        if (track.length != 0) std::memcpy(track.start.get(), image + dataOffset, track.length);
        track.cursor = track.start.get();
        offset = dataOffset + track.length;
        tracks->push_back(std::move(track));
    }
    return true;
}

void Advance(TrackCursor& track) {
    if (track.cursor == nullptr) return;
    const std::uint8_t* end = track.start.get() + track.length;
    if (track.cursor >= end) {
        track.cursor = nullptr;
        return;
    }
    track.time += ReadVarLen(&track.cursor, end);
}

// The earliest track; on equal times the lowest-numbered one.
TrackCursor* NextTrack(std::vector<TrackCursor>& tracks) {
    TrackCursor* next = nullptr;
    for (TrackCursor& track : tracks) {
        if (track.cursor != nullptr && (next == nullptr || track.time < next->time)) next = &track;
    }
    return next;
}

std::size_t Room(const MergedTrack& merged) {
    return merged.capacity - static_cast<std::size_t>(merged.out - merged.data.get());
}

// Copies the event at the cursor with a status byte of its own. The track's end-of-track, its
// data end or an event cut off there finishes the track without writing anything.
void EmitEvent(TrackCursor& track, MergedTrack& merged) {
    const std::uint8_t* end = track.start.get() + track.length;
    const std::uint8_t* eventStart = track.cursor;
    SmfEvent event;
    if (!StepEvent(&track.cursor, end, &track.runningStatus, &event) ||
        (event.status == 0xFF && event.metaType == 0x2F)) {
        track.cursor = nullptr;
        return;
    }
    const auto eventLength = static_cast<std::size_t>(track.cursor - eventStart);
    // Times that wrap around 2^32 ticks can need longer deltas than the source had.
    if (Room(merged) < kEventHeadRoom + eventLength + kEndRoom) {
        track.cursor = nullptr;
        return;
    }
    WriteVarLen(&merged.out, track.time - merged.lastTime);
    if (event.statusImplied) *merged.out++ = event.status;
    std::memcpy(merged.out, eventStart, eventLength);
    merged.out += eventLength;
}

void WriteHeader(MergedTrack& merged, std::uint16_t division) {
    const std::uint8_t header[kMergedHeaderSize] = {'M',
                                                    'T',
                                                    'h',
                                                    'd',
                                                    0,
                                                    0,
                                                    0,
                                                    6,
                                                    0,
                                                    0,
                                                    0,
                                                    1,
                                                    static_cast<std::uint8_t>(division >> 8),
                                                    static_cast<std::uint8_t>(division),
                                                    'M',
                                                    'T',
                                                    'r',
                                                    'k',
                                                    0,
                                                    0,
                                                    0,
                                                    0};
    merged.out = std::copy(header, header + kMergedHeaderSize, merged.out);
}

void MergeEvents(std::vector<TrackCursor>& tracks, MergedTrack& merged) {
    for (TrackCursor& track : tracks) Advance(track);
    while (TrackCursor* track = NextTrack(tracks)) {
        EmitEvent(*track, merged);
        if (track->cursor == nullptr) continue;
        merged.lastTime = track->time;
        Advance(*track);
    }
}

// The end-of-track goes at the latest end of all tracks.
void WriteEnd(const std::vector<TrackCursor>& tracks, MergedTrack& merged) {
    std::uint32_t endTime = 0;
    for (const TrackCursor& track : tracks) endTime = std::max(endTime, track.time);
    WriteVarLen(&merged.out, endTime - merged.lastTime);
    const std::uint8_t endOfTrack[] = {0xFF, 0x2F, 0x00};
    merged.out = std::copy(endOfTrack, endOfTrack + 3, merged.out);
    const auto trackLength =
        static_cast<std::uint32_t>(merged.out - merged.data.get() - kMergedHeaderSize);
    for (int byte = 0; byte < 4; ++byte) {
        merged.data[18 + byte] = static_cast<std::uint8_t>(trackLength >> (24 - 8 * byte));
    }
}

}  // namespace

std::uint32_t MergeSmfTracks(const std::uint8_t* image, std::uint32_t size, std::uint32_t header,
                             std::uint8_t** merged) {
    const std::size_t declared =
        std::min<std::size_t>(ReadBig16(image, size, header + 10), kMaxTracks);
    std::vector<TrackCursor> tracks;
    tracks.reserve(kMaxTracks);
    const std::uint64_t firstChunk = std::uint64_t{header} + 8 + ReadBig32(image, size, header + 4);
    if (!CopyTracks(image, size, firstChunk, declared, &tracks)) return 0;

    MergedTrack work;
    // Twice the file; a file of a bare header still has room for the closing event.
    work.capacity = std::max<std::size_t>(2 * std::size_t{size}, kMergedHeaderSize + kEndRoom);
    work.data = ZeroedBuffer(work.capacity);
    if (!work.data) return 0;
    work.out = work.data.get();
    WriteHeader(work, ReadBig16(image, size, header + 12));
    MergeEvents(tracks, work);
    WriteEnd(tracks, work);

    const auto mergedSize = static_cast<std::uint32_t>(work.out - work.data.get());
    Buffer result = ZeroedBuffer(2 * std::size_t{mergedSize});
    if (!result) return 0;
    std::memcpy(result.get(), work.data.get(), mergedSize);
    *merged = result.release();
    return mergedSize;
}
