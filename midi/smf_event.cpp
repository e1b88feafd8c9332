#include "midi/smf_event.h"

#include "midi/midi_bytes.h"
#include "midi/varlen.h"

namespace {

std::uint8_t ByteAt(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset) {
    return offset < size ? image[offset] : 0;
}

bool StepMeta(const std::uint8_t** cursor, const std::uint8_t* end, SmfEvent* event) {
    if (*cursor >= end) return false;
    event->metaType = *(*cursor)++;
    event->dataLength = ReadVarLen(cursor, end);
    if (event->dataLength > static_cast<std::uint64_t>(end - *cursor)) return false;
    event->data = *cursor;
    *cursor += event->dataLength;
    return true;
}

}  // namespace

bool StepEvent(const std::uint8_t** cursor, const std::uint8_t* end, std::uint8_t* runningStatus,
               SmfEvent* event) {
    if (*cursor >= end) return false;
    *event = SmfEvent{};
    const std::uint8_t* eventStart = *cursor;
    event->status = ReadStatus(cursor, *runningStatus);
    event->statusImplied = *cursor == eventStart;
    const StatusClass statusClass = kStatusClasses[event->status];
    switch (statusClass) {
        case kExclusive: return SkipExclusive(cursor, end);
        case kMeta: return StepMeta(cursor, end, event);
        default:
            if (end - *cursor < statusClass) return false;
            *cursor += statusClass;
            *runningStatus = event->status;
            return true;
    }
}

std::uint16_t ReadBig16(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset) {
    const std::uint8_t bytes[2] = {ByteAt(image, size, offset), ByteAt(image, size, offset + 1)};
    return BigEndian16(bytes);
}

std::uint32_t ReadBig32(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset) {
    const std::uint8_t bytes[4] = {ByteAt(image, size, offset), ByteAt(image, size, offset + 1),
                                   ByteAt(image, size, offset + 2),
                                   ByteAt(image, size, offset + 3)};
    return BigEndian32(bytes);
}
