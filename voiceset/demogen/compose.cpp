#include "voiceset/demogen/compose.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

namespace {

constexpr int kDrumChannel = 10;

// The semitone of a note letter within its octave, C = 0; -1 for a character that is none.
int LetterSemitone(char letter) {
    static const int kSemitones[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    const int index = std::toupper(static_cast<unsigned char>(letter)) - 'A';
    return index >= 0 && index < 7 ? kSemitones[index] : -1;
}

// Bars are for the reader; they may touch the notes beside them.
bool Separates(char c) { return std::isspace(static_cast<unsigned char>(c)) || c == '|'; }

}  // namespace

int Key(std::string_view name) {
    std::size_t at = 0;
    int key = name.empty() ? -1 : LetterSemitone(name[at++]);
    if (key < 0) throw std::invalid_argument("not a note: " + std::string(name));
    if (at < name.size() && name[at] == '#') {
        ++key;
        ++at;
    } else if (at < name.size() && name[at] == 'b') {
        --key;
        ++at;
    }
    int octave = 0;
    bool negative = false;
    if (at < name.size() && name[at] == '-') {
        negative = true;
        ++at;
    }
    const std::size_t digits = at;
    while (at < name.size() && std::isdigit(static_cast<unsigned char>(name[at])))
        octave = octave * 10 + (name[at++] - '0');
    key += 12 * ((negative ? -octave : octave) + 1);
    if (at == digits || at != name.size() || key < 0 || key > 127) {
        throw std::invalid_argument("not a note: " + std::string(name));
    }
    return key;
}

namespace {

// The words of a text, split at blanks, line ends and bar lines.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && Separates(text[at])) ++at;
        const std::size_t start = at;
        while (at < text.size() && !Separates(text[at])) ++at;
        if (at > start) words.push_back(text.substr(start, at - start));
    }
    return words;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find(separator, start);
        const std::string_view part = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!part.empty()) parts.push_back(part);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

int StepVelocity(char step, int velocity) {
    if (step == 'X') return std::min(127, velocity + 25);
    if (step == 'o') return std::max(1, velocity - 35);
    return velocity;
}

}  // namespace

std::uint32_t Play(SmfTrack& track, int channel, std::uint32_t tick, std::string_view notation,
                   int velocity, double gate) {
    std::uint32_t length = 4 * kSixteenth;
    for (std::string_view token : Words(notation)) {
        if (token[0] == 'v') {
            velocity = std::stoi(std::string(token.substr(1)));
            continue;
        }
        const std::size_t colon = token.find(':');
        if (colon != std::string_view::npos)
            length = std::stoul(std::string(token.substr(colon + 1))) * kSixteenth;
        const std::string_view notes = token.substr(0, colon);
        if (notes != "r") {
            const auto sounding = static_cast<std::uint32_t>(length * gate);
            for (std::string_view name : Split(notes, '+'))
                AddNote(track, tick, channel, Key(name), velocity, sounding);
        }
        tick += length;
    }
    return tick;
}

void Drums(SmfTrack& track, std::uint32_t tick, std::uint32_t sixteenths,
           const std::vector<DrumLine>& lines) {
    for (const DrumLine& line : lines) {
        for (std::uint32_t step = 0; step < sixteenths; ++step) {
            const char c = line.steps[step % line.steps.size()];
            if (c != 'X' && c != 'x' && c != 'o') continue;
            AddNote(track, tick + step * kSixteenth, kDrumChannel, line.key,
                    StepVelocity(c, line.velocity), kSixteenth / 2);
        }
    }
}

SmfTrack Instrument(const char* name, int channel, int program, int volume, int pan) {
    SmfTrack track;
    AddTrackName(track, name);
    if (channel != kDrumChannel) AddProgram(track, 0, channel, program);
    AddController(track, 0, channel, 7, volume);
    AddController(track, 0, channel, 10, pan);
    AddController(track, 0, channel, 11, 127);
    return track;
}
