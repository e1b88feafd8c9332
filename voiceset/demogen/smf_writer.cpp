#include "voiceset/demogen/smf_writer.h"

#include <algorithm>

namespace {

void AddMeta(SmfTrack& track, std::uint32_t tick, std::uint8_t type, const Bytes& data) {
    Bytes bytes{0xFF, type, static_cast<std::uint8_t>(data.size())};
    bytes.insert(bytes.end(), data.begin(), data.end());
    track.events.push_back({tick, bytes});
}

std::uint8_t Status(int kind, int channel) {
    return static_cast<std::uint8_t>(kind | (channel - 1));
}

int OrderInTick(const SmfEvent& event) {
    const std::uint8_t status = event.bytes[0];
    if (status == 0xFF) return 0;
    if ((status & 0xF0) == 0x80) return 1;
    if ((status & 0xF0) == 0x90) return event.bytes[2] == 0 ? 1 : 3;
    return 2;
}

void PutVarLen(Bytes& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

void PutBigEndian(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

Bytes EncodeTrack(const SmfTrack& track) {
    std::vector<SmfEvent> events = track.events;
    std::stable_sort(events.begin(), events.end(), [](const SmfEvent& a, const SmfEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : OrderInTick(a) < OrderInTick(b);
    });
    Bytes data;
    std::uint32_t now = 0;
    for (const SmfEvent& event : events) {
        PutVarLen(data, event.tick - now);
        now = event.tick;
        data.insert(data.end(), event.bytes.begin(), event.bytes.end());
    }
    data.insert(data.end(), {0x00, 0xFF, 0x2F, 0x00});
    return data;
}

}  // namespace

void AddTrackName(SmfTrack& track, const std::string& name) {
    AddMeta(track, 0, 0x03, Bytes(name.begin(), name.end()));
}

void AddTempo(SmfTrack& track, std::uint32_t tick, std::uint32_t usPerQuarter) {
    AddMeta(
        track, tick, 0x51,
        {static_cast<std::uint8_t>(usPerQuarter >> 16),
         static_cast<std::uint8_t>(usPerQuarter >> 8), static_cast<std::uint8_t>(usPerQuarter)});
}

void AddTimeSignature(SmfTrack& track, std::uint32_t tick, int numerator, int denominatorPower) {
    AddMeta(
        track, tick, 0x58,
        {static_cast<std::uint8_t>(numerator), static_cast<std::uint8_t>(denominatorPower), 24, 8});
}

void AddProgram(SmfTrack& track, std::uint32_t tick, int channel, int program) {
    track.events.push_back({tick, {Status(0xC0, channel), static_cast<std::uint8_t>(program)}});
}

void AddController(SmfTrack& track, std::uint32_t tick, int channel, int controller, int value) {
    track.events.push_back({tick,
                            {Status(0xB0, channel), static_cast<std::uint8_t>(controller),
                             static_cast<std::uint8_t>(value)}});
}

void AddNote(SmfTrack& track, std::uint32_t tick, int channel, int key, int velocity,
             std::uint32_t length) {
    const auto k = static_cast<std::uint8_t>(key);
    track.events.push_back({tick, {Status(0x90, channel), k, static_cast<std::uint8_t>(velocity)}});
    track.events.push_back({tick + length, {Status(0x80, channel), k, 64}});
}

Bytes EncodeSmf(std::uint16_t format, std::uint16_t division, const std::vector<SmfTrack>& tracks) {
    Bytes file{'M', 'T', 'h', 'd'};
    PutBigEndian(file, 6, 4);
    PutBigEndian(file, format, 2);
    PutBigEndian(file, static_cast<std::uint32_t>(tracks.size()), 2);
    PutBigEndian(file, division, 2);
    for (const SmfTrack& track : tracks) {
        const Bytes data = EncodeTrack(track);
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        PutBigEndian(file, static_cast<std::uint32_t>(data.size()), 4);
        file.insert(file.end(), data.begin(), data.end());
    }
    return file;
}
