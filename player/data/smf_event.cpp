#include "player/data/smf_event.h"

#include <algorithm>

#include "player/data/varlen.h"

namespace {

constexpr std::array<std::uint8_t, 256> BuildStatusClasses() {
    std::array<std::uint8_t, 256> classes{};  // 0x00-0x7F, 0xF1-0xF6, 0xF8-0xFE: nothing follows
    for (int status = 0x80; status <= 0xBF; ++status) classes[status] = 2;
    for (int status = 0xC0; status <= 0xDF; ++status) classes[status] = 1;
    for (int status = 0xE0; status <= 0xEF; ++status) classes[status] = 2;
    classes[0xF0] = 4;
    classes[0xF7] = 4;
    classes[0xFF] = 5;
    return classes;
}

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

// Exclusive data is not read by its length: it runs to the first 0xF7.
bool StepExclusive(const std::uint8_t** cursor, const std::uint8_t* end) {
    const std::uint8_t* close = std::find(*cursor, end, std::uint8_t{0xF7});
    if (close == end) return false;
    *cursor = close + 1;
    return true;
}

}  // namespace

const std::array<std::uint8_t, 256> StatusClassTable = BuildStatusClasses();

bool StepEvent(const std::uint8_t** cursor, const std::uint8_t* end, std::uint8_t* runningStatus,
               SmfEvent* event) {
    if (*cursor >= end) return false;
    *event = SmfEvent{};
    event->statusImplied = (**cursor & 0x80) == 0;
    event->status = event->statusImplied ? *runningStatus : *(*cursor)++;
    const std::uint8_t statusClass = StatusClassTable[event->status];
    switch (statusClass) {
    case 4:
        return StepExclusive(cursor, end);
    case 5:
        return StepMeta(cursor, end, event);
    default:
        if (end - *cursor < statusClass) return false;
        *cursor += statusClass;
        *runningStatus = event->status;
        return true;
    }
}

std::uint16_t ReadBig16(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset) {
    return static_cast<std::uint16_t>(ByteAt(image, size, offset) << 8 |
                                      ByteAt(image, size, offset + 1));
}

std::uint32_t ReadBig32(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset) {
    return static_cast<std::uint32_t>(ReadBig16(image, size, offset)) << 16 |
           ReadBig16(image, size, offset + 2);
}
