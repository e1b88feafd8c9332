#include "tests/support/smf_builder.h"

#include <cstring>

namespace smf {

Bytes Vlq(std::uint32_t value) {
    Bytes groups{static_cast<std::uint8_t>(value & 0x7F)};
    for (value >>= 7; value != 0; value >>= 7) {
        groups.insert(groups.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    }
    return groups;
}

static void Append(Bytes& to, const Bytes& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

static void AppendBig32(Bytes& to, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        to.push_back(static_cast<std::uint8_t>(value >> shift));
}

Track& Track::Event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes) {
    Append(data, Vlq(delta));
    data.insert(data.end(), bytes);
    return *this;
}

Track& Track::Tempo(std::uint32_t delta, std::uint32_t us) {
    return Event(delta, {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(us >> 16),
                         static_cast<std::uint8_t>(us >> 8), static_cast<std::uint8_t>(us)});
}

Track& Track::Name(std::uint32_t delta, const char* text) {
    const std::size_t length = std::strlen(text);
    Append(data, Vlq(delta));
    data.push_back(0xFF);
    data.push_back(0x03);
    Append(data, Vlq(static_cast<std::uint32_t>(length)));
    data.insert(data.end(), text, text + length);
    return *this;
}

Track& Track::End(std::uint32_t delta) { return Event(delta, {0xFF, 0x2F, 0x00}); }

Track& Track::Raw(std::initializer_list<std::uint8_t> bytes) {
    data.insert(data.end(), bytes);
    return *this;
}

Bytes Header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
    return {'M',
            'T',
            'h',
            'd',
            0,
            0,
            0,
            6,
            static_cast<std::uint8_t>(format >> 8),
            static_cast<std::uint8_t>(format),
            static_cast<std::uint8_t>(tracks >> 8),
            static_cast<std::uint8_t>(tracks),
            static_cast<std::uint8_t>(division >> 8),
            static_cast<std::uint8_t>(division)};
}

Bytes FileDeclaring(std::uint16_t format, std::uint16_t division, std::uint16_t declared,
                    const std::vector<Track>& tracks) {
    Bytes file = Header(format, declared, division);
    for (const Track& track : tracks) {
        Append(file, {'M', 'T', 'r', 'k'});
        AppendBig32(file, static_cast<std::uint32_t>(track.data.size()));
        Append(file, track.data);
    }
    return file;
}

Bytes File(std::uint16_t format, std::uint16_t division, const std::vector<Track>& tracks) {
    return FileDeclaring(format, division, static_cast<std::uint16_t>(tracks.size()), tracks);
}

}  // namespace smf
