// "Glass Tide": a slow piece in D major and three-four time. A warm pad and harp arpeggios carry
// the celesta's tune; the choir comes in for the second half, and the tempo ebbs at the end.
#include "voiceset/demogen/compose.h"
#include "voiceset/demogen/demo_songs.h"

namespace {

enum Channel { kPad = 1, kHarp = 2, kChoir = 3, kCelesta = 4, kBass = 5 };

constexpr int kBeats = 3;

struct Chord {
    const char* root;
    int third;  // semitones from the root to the third: 4 major, 3 minor
};

const Chord kFirst[8] = {{"D3", 4}, {"B2", 3},  {"G2", 4}, {"A2", 4},
                         {"D3", 4}, {"F#2", 3}, {"G2", 4}, {"A2", 4}};
const Chord kSecond[8] = {{"B2", 3}, {"G2", 4}, {"D3", 4}, {"A2", 4},
                          {"B2", 3}, {"G2", 4}, {"E2", 3}, {"A2", 4}};

// Six eighths up and down the chord.
void HarpBar(SmfTrack& track, std::uint32_t tick, const Chord& chord) {
    const int root = Key(chord.root) + 12;
    const int notes[6] = {root, root + 7, root + 12, root + 12 + chord.third, root + 19, root + 12};
    for (int i = 0; i < 6; ++i) {
        AddNote(track, tick + i * 2 * kSixteenth, kHarp, notes[i], i == 0 ? 84 : 70,
                5 * kSixteenth);
    }
}

void Accompany(std::vector<SmfTrack>& tracks, std::uint32_t tick, const Chord* chords, int bars,
               bool choir) {
    for (int bar = 0; bar < bars; ++bar) {
        const std::uint32_t at = tick + Bars(bar, kBeats);
        const int root = Key(chords[bar].root);
        HarpBar(tracks[kHarp], at, chords[bar]);
        AddNote(tracks[kBass], at, kBass, root - 12, 92, Bars(0.95, kBeats));
        for (int tone : {12, 12 + chords[bar].third, 19}) {
            AddNote(tracks[kPad], at, kPad, root + tone, 70, Bars(1, kBeats));
        }
        if (choir) {
            for (int tone : {12 + chords[bar].third, 19, 24}) {
                AddNote(tracks[kChoir], at, kChoir, root + tone, 72, Bars(0.98, kBeats));
            }
        }
    }
}

}  // namespace

Bytes GlassTide() {
    std::vector<SmfTrack> tracks(6);
    AddTrackName(tracks[0], "Glass Tide");
    AddTimeSignature(tracks[0], 0, 3, 2);
    tracks[kPad] = Instrument("Pad", kPad, 89, 100, 64);
    tracks[kHarp] = Instrument("Harp", kHarp, 46, 110, 40);
    tracks[kChoir] = Instrument("Choir", kChoir, 52, 92, 88);
    tracks[kCelesta] = Instrument("Celesta", kCelesta, 8, 120, 60);
    tracks[kBass] = Instrument("Bass", kBass, 32, 108, 64);
    SmfTrack drums = Instrument("Percussion", 10, 0, 100, 64);

    AddTempo(tracks[0], 0, 833333);
    Accompany(tracks, 0, kFirst, 8, false);
    Play(tracks[kCelesta], kCelesta, Bars(0),
         "F#5:8 E5:4 | D5:6 B4:2 D5:4 | B4:8 A4:4 | E5:12 |"
         "F#5:8 A5:4 | C#6:6 A5:2 F#5:4 | G5:4 B5 D6 | C#6:12",
         92, 0.95);
    Drums(drums, Bars(4, kBeats), 12 * 4, {{64, "x...........", 70}, {70, "o.o.x.o.o.x.", 60}});
    Drums(drums, 0, 1, {{81, "x", 70}});

    // Second half: the choir, the tune an octave up, the tempo easing.
    const std::uint32_t second = Bars(8, kBeats);
    AddTempo(tracks[0], second, 857143);
    Accompany(tracks, second, kSecond, 8, true);
    Play(tracks[kCelesta], kCelesta, second,
         "D6:8 C#6:4 | B5:8 G5:4 | A5:6 F#5:2 D5:4 | E5:12 |"
         "F#5:4 B5 D6 | D6:6 C#6:2 B5:4 | G5:8 E5:4 | A5:12",
         96, 0.95);
    Drums(drums, second, 12 * 8,
          {{64, "x.....x.....", 72}, {63, "......x.....", 60}, {69, "..o...o...o.", 60}});
    Drums(drums, second, 1, {{81, "x", 80}});
    AddTempo(tracks[0], second + Bars(4, kBeats), 882353);

    // Ending: D major, slower and slower, held.
    const std::uint32_t end = Bars(16, kBeats);
    const std::uint32_t slower[3] = {937500, 1071429, 1250000};
    for (int bar = 0; bar < 3; ++bar) AddTempo(tracks[0], end + Bars(bar, kBeats), slower[bar]);
    const Chord home{"D3", 4};
    HarpBar(tracks[kHarp], end, home);
    Play(tracks[kPad], kPad, end, "D4+F#4+A4:36", 72, 0.99);
    Play(tracks[kChoir], kChoir, end, "F#4+A4+D5:36", 72, 0.99);
    Play(tracks[kBass], kBass, end, "D2:36", 92, 0.99);
    Play(tracks[kCelesta], kCelesta, end, "F#5:12 | D5:24", 90, 0.99);
    Play(tracks[kHarp], kHarp, end + Bars(1, kBeats), "D3+A3+D4+F#4+A4+D5:24", 80, 0.99);
    Drums(drums, end + Bars(1, kBeats), 1, {{81, "x", 76}});

    tracks.push_back(drums);
    return EncodeSmf(1, kDivision, tracks);
}
