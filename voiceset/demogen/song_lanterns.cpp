// "Morning Lanterns": a bright piece in C major. Piano and vibraphone open, the flute sings over
// bass, strings and drums, and the end slows down onto a held chord.
#include <cmath>

#include "voiceset/demogen/compose.h"
#include "voiceset/demogen/demo_songs.h"

namespace {

enum Channel { kPiano = 1, kBass = 2, kStrings = 3, kFlute = 4, kVibes = 5 };

struct Chord {
    const char* root;   // bass note
    const char* tones;  // the chord as "+"-joined notes for strings and piano
};

// Intro, A (twice the same harmony), B and the ending; one chord per bar.
const Chord kIntro[4] = {
    {"C3", "C4+E4+G4"}, {"A2", "A3+C4+E4"}, {"F2", "F3+A3+C4"}, {"G2", "G3+B3+D4"}};
const Chord kA[8] = {{"C3", "C4+E4+G4"}, {"G2", "B3+D4+G4"}, {"A2", "A3+C4+E4"},
                     {"F2", "A3+C4+F4"}, {"C3", "C4+E4+G4"}, {"G2", "B3+D4+G4"},
                     {"F2", "A3+C4+F4"}, {"G2", "B3+D4+G4"}};
const Chord kB[8] = {{"F2", "A3+C4+F4"}, {"G2", "B3+D4+G4"}, {"E2", "B3+E4+G4"},
                     {"A2", "A3+C4+E4"}, {"D3", "A3+D4+F4"}, {"G2", "B3+D4+G4"},
                     {"C3", "C4+E4+G4"}, {"C3", "C4+E4+G4"}};
const Chord kEnd[4] = {
    {"F2", "A3+C4+F4"}, {"G2", "B3+D4+G4"}, {"C3", "C4+E4+G4"}, {"C3", "C4+E4+G4"}};

// Broken chords in eighths: bass note, then the chord tones up and down.
void PianoBar(SmfTrack& track, std::uint32_t tick, const Chord& chord, int velocity) {
    const int root = Key(chord.root) + 12;
    std::vector<int> tones;
    std::string_view text = chord.tones;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t plus = text.find('+', at);
        tones.push_back(Key(
            text.substr(at, plus == std::string_view::npos ? std::string_view::npos : plus - at)));
        at = plus == std::string_view::npos ? text.size() : plus + 1;
    }
    const int order[8] = {root,          tones[0], tones[1], tones[2],
                          tones[1] + 12, tones[2], tones[1], tones[0]};
    for (int i = 0; i < 8; ++i) {
        AddNote(track, tick + i * 2 * kSixteenth, kPiano, order[i], velocity - (i % 2) * 12,
                2 * kSixteenth);
    }
}

void BassBar(SmfTrack& track, std::uint32_t tick, const Chord& chord) {
    const int root = Key(chord.root);
    AddNote(track, tick, kBass, root, 100, 5 * kSixteenth);
    AddNote(track, tick + 6 * kSixteenth, kBass, root, 80, 2 * kSixteenth);
    AddNote(track, tick + 8 * kSixteenth, kBass, root + 7, 92, 3 * kSixteenth);
    AddNote(track, tick + 12 * kSixteenth, kBass, root + 12, 88, 3 * kSixteenth);
}

void Accompany(std::vector<SmfTrack>& tracks, std::uint32_t tick, const Chord* chords, int bars,
               bool strings) {
    for (int bar = 0; bar < bars; ++bar) {
        const std::uint32_t at = tick + Bars(bar);
        PianoBar(tracks[kPiano], at, chords[bar], 84);
        BassBar(tracks[kBass], at, chords[bar]);
        if (strings)
            Play(tracks[kStrings], kStrings, at, std::string(chords[bar].tones) + ":16", 72, 0.98);
    }
}

constexpr std::string_view kGroove = "x.....x.x.......";
constexpr std::string_view kBackbeat = "....x.......x...";

void Groove(SmfTrack& drums, std::uint32_t tick, int bars, int hat) {
    Drums(drums, tick, 16 * bars,
          {{36, kGroove, 100}, {38, kBackbeat, 96}, {hat, "x.o.x.o.x.o.x.o.", 80}});
    Drums(drums, tick, 1, {{49, "X", 90}});
}

}  // namespace

Bytes MorningLanterns() {
    std::vector<SmfTrack> tracks(6);
    AddTrackName(tracks[0], "Morning Lanterns");
    AddTimeSignature(tracks[0], 0, 4, 2);
    tracks[kPiano] = Instrument("Piano", kPiano, 0, 96, 54);
    tracks[kBass] = Instrument("Bass", kBass, 33, 104, 64);
    tracks[kStrings] = Instrument("Strings", kStrings, 48, 70, 80);
    tracks[kFlute] = Instrument("Flute", kFlute, 73, 100, 60);
    tracks[kVibes] = Instrument("Vibraphone", kVibes, 11, 84, 40);
    SmfTrack drums = Instrument("Drums", 10, 0, 96, 64);

    // Intro: piano and vibraphone.
    AddTempo(tracks[0], 0, 600000);
    Accompany(tracks, 0, kIntro, 4, false);
    Play(tracks[kVibes], kVibes, 0, "G5+C6:16 | E5+A5 | F5+A5 | D5+G5", 80, 0.95);

    // A, twice through the same harmony: the flute's tune, then its answer.
    const std::uint32_t a = Bars(4);
    AddTempo(tracks[0], a, 576923);
    Accompany(tracks, a, kA, 8, true);
    Play(tracks[kFlute], kFlute, a,
         "E5:4 G5 C6:6 B5:2 | A5:4 G5 D5:8 | E5:4 A5 C6 B5 | A5:12 r:4 |"
         "G5:4 E5 C5:6 D5:2 | E5:4 D5 B4:8 | C5:4 A4 F5:6 E5:2 | D5:12 r:4",
         96);
    Groove(drums, a, 7, 42);
    Drums(drums, a + Bars(7), 16,
          {{36, "x.......", 100}, {45, "........x.x.....", 90}, {47, "............x.x.", 95}});

    // B: fuller, brighter, a little faster; the vibraphone doubles the tune an octave down.
    const std::uint32_t b = Bars(12);
    AddTempo(tracks[0], b, 555556);
    Accompany(tracks, b, kB, 8, true);
    const char* tune =
        "A5:4 C6 A5 F5 | G5:4 B5 D6:8 | B5:4 G5 E5:6 G5:2 | A5:12 E5:4 |"
        "F5:4 A5 D6:6 C6:2 | B5:4 A5 G5:8 | E5:4 G5 C6:8 | C6:16";
    Play(tracks[kFlute], kFlute, b, tune, 100);
    Play(tracks[kVibes], kVibes, b,
         "v70 A4:4 C5 A4 F4 | G4:4 B4 D5:8 | B4:4 G4 E4:6 G4:2 | A4:12 E4:4", 70);
    Groove(drums, b, 8, 51);
    Drums(drums, b + Bars(3), 16, {{46, "..............x.", 80}});

    // Ending: the tempo falls away bar by bar onto a held chord.
    const std::uint32_t end = Bars(20);
    const std::uint32_t slower[4] = {600000, 680000, 800000, 1000000};
    for (int bar = 0; bar < 4; ++bar) AddTempo(tracks[0], end + Bars(bar), slower[bar]);
    Accompany(tracks, end, kEnd, 2, true);
    Play(tracks[kFlute], kFlute, end, "A5:8 G5 | F5:8 D5 | E5:16 | C5+E5:16", 92, 0.97);
    Play(tracks[kStrings], kStrings, end + Bars(2), "C4+E4+G4:32", 78, 0.99);
    Play(tracks[kPiano], kPiano, end + Bars(2), "C2+C3+G3+C4+E4:32", 92, 0.99);
    Play(tracks[kBass], kBass, end + Bars(2), "C2:32", 96, 0.99);
    Play(tracks[kVibes], kVibes, end + Bars(2), "G5+C6:32", 80, 0.99);
    Drums(drums, end, 16, {{36, "x.......x.......", 90}, {51, "x...x...x...x...", 70}});
    Drums(drums, end + Bars(2), 1, {{49, "X", 96}, {36, "x", 100}});

    tracks.push_back(drums);
    return EncodeSmf(1, kDivision, tracks);
}
