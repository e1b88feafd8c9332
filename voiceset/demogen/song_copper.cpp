// "Copper Road": a funk tune in A minor. Bass and drums start, the alto sax takes the tune over
// electric piano and a muted guitar, the brass section answers in the faster middle part.
#include "voiceset/demogen/compose.h"
#include "voiceset/demogen/demo_songs.h"

namespace {

enum Channel { kKeys = 1, kBass = 2, kBrass = 3, kSax = 4, kGuitar = 5 };

struct Chord {
    const char* bassLine;  // one bar of bass in the notation
    const char* stab;      // the chord for piano and brass
    const char* chop;      // the muted guitar's two notes
};

const Chord kAm7{"A1:3 A1:1 r:2 A1:2 G2:2 A2:2 C3:2 D3:2", "G3+C4+E4", "A3+E4"};
const Chord kD9{"D2:3 D2:1 r:2 D2:2 F#2:2 A2:2 C3:2 B2:2", "F#3+C4+E4", "D4+A4"};
const Chord kFmaj7{"F1:3 F1:1 r:2 F1:2 A1:2 C2:2 E2:2 F2:2", "E3+A3+C4", "F3+C4"};
const Chord kE7{"E1:3 E1:1 r:2 E1:2 G#1:2 B1:2 D2:2 E2:2", "G#3+B3+D4", "E3+B3"};

const Chord kVerse[8] = {kAm7, kD9, kAm7, kD9, kFmaj7, kE7, kAm7, kAm7};
const Chord kBridge[8] = {kFmaj7, kE7, kAm7, kD9, kFmaj7, kE7, kAm7, kE7};

void Rhythm(std::vector<SmfTrack>& tracks, std::uint32_t tick, const Chord* chords, int bars,
            bool brass) {
    for (int bar = 0; bar < bars; ++bar) {
        const Chord& chord = chords[bar];
        const std::uint32_t at = tick + Bars(bar);
        Play(tracks[kBass], kBass, at, chord.bassLine, 104, 0.85);
        const std::string stab(chord.stab);
        Play(tracks[kKeys], kKeys, at, "r:2 " + stab + ":2 r:4 " + stab + ":2 r:2 " + stab + ":4",
             82, 0.7);
        const std::string chop(chord.chop);
        Play(tracks[kGuitar], kGuitar, at,
             chop + ":1 r:1 " + chop + ":1 " + chop + ":1 r:1 " + chop + ":1 r:2 " + chop +
                 ":1 r:1 " + chop + ":1 " + chop + ":1 r:1 " + chop + ":1 r:2",
             76, 0.6);
        if (brass)
            Play(tracks[kBrass], kBrass, at, "r:6 " + stab + ":2 r:4 " + stab + ":3 r:1", 96, 0.8);
    }
}

void Funk(SmfTrack& drums, std::uint32_t tick, int bars) {
    Drums(drums, tick, 16 * bars,
          {{36, "x.....x...x.....", 104},
           {38, "....X..o.o..X...", 90},
           {42, "xoxoxoxoxoxoxoxo", 78}});
}

}  // namespace

Bytes CopperRoad() {
    std::vector<SmfTrack> tracks(6);
    AddTrackName(tracks[0], "Copper Road");
    AddTimeSignature(tracks[0], 0, 4, 2);
    tracks[kKeys] = Instrument("Electric Piano", kKeys, 4, 92, 44);
    tracks[kBass] = Instrument("Bass", kBass, 33, 108, 64);
    tracks[kBrass] = Instrument("Brass", kBrass, 61, 88, 80);
    tracks[kSax] = Instrument("Alto Sax", kSax, 65, 100, 58);
    tracks[kGuitar] = Instrument("Guitar", kGuitar, 28, 80, 90);
    SmfTrack drums = Instrument("Drums", 10, 0, 100, 64);

    // Intro: bass and drums, two bars.
    AddTempo(tracks[0], 0, 625000);
    Play(tracks[kBass], kBass, 0, kAm7.bassLine, 104, 0.85);
    Play(tracks[kBass], kBass, Bars(1), kD9.bassLine, 104, 0.85);
    Funk(drums, 0, 2);
    Drums(drums, Bars(1), 16, {{38, "............xxxx", 80}});

    // Verse: the sax's tune.
    const std::uint32_t verse = Bars(2);
    Rhythm(tracks, verse, kVerse, 8, false);
    Play(tracks[kSax], kSax, verse,
         "r:2 E5:2 G5 A5:4 G5:2 E5 D5 | E5:6 r:2 F#5:4 A5 | C6:4 B5:2 A5 G5 E5:4 D5:2 | E5:12 r:4 |"
         "r:2 C5:2 E5 G5:4 A5:2 G5 E5 | G#5:6 r:2 B5:4 D6 | C6:2 B5 A5:4 E5 G5 | A5:12 r:4",
         100, 0.85);
    Funk(drums, verse, 8);
    Drums(drums, verse, 1, {{49, "X", 90}});

    // Bridge: faster, the brass answers the sax.
    const std::uint32_t bridge = Bars(10);
    AddTempo(tracks[0], bridge, 576923);
    Rhythm(tracks, bridge, kBridge, 8, true);
    Play(tracks[kSax], kSax, bridge,
         "A5:8 G5:4 F5 | G#5:8 B5 | C6:8 B5:4 A5 | F#5:12 r:4 |"
         "A5:8 C6:4 B5 | G#5:8 E5 | A5:4 C6 E6:8 | D6:8 B5",
         104, 0.9);
    Funk(drums, bridge, 8);
    Drums(drums, bridge, 16 * 8, {{56, "x...x...x...x...", 70}});
    Drums(drums, bridge, 1, {{57, "X", 92}});

    // The verse's first half again, then the last hit slows down.
    const std::uint32_t back = Bars(18);
    AddTempo(tracks[0], back, 625000);
    Rhythm(tracks, back, kVerse, 4, false);
    Play(tracks[kSax], kSax, back,
         "r:2 E5:2 G5 A5:4 G5:2 E5 D5 | E5:6 r:2 F#5:4 A5 | C6:4 B5:2 A5 G5 E5:4 D5:2 | A5:16", 100,
         0.85);
    Funk(drums, back, 3);
    Drums(drums, back + Bars(3), 16,
          {{36, "x.......", 100}, {48, "....x.x.", 90}, {45, "........x.x.x.x.", 96}});
    const std::uint32_t hit = Bars(22);
    AddTempo(tracks[0], hit, 750000);
    Play(tracks[kBass], kBass, hit, "A1:16", 110, 0.95);
    Play(tracks[kKeys], kKeys, hit, "A3+C4+E4+G4:16", 96, 0.95);
    Play(tracks[kBrass], kBrass, hit, "A4+C5+E5:16", 104, 0.95);
    Play(tracks[kGuitar], kGuitar, hit, "A3+E4:4", 90, 0.95);
    Play(tracks[kSax], kSax, hit, "A5:16", 104, 0.95);
    Drums(drums, hit, 1, {{49, "X", 100}, {36, "X", 100}, {57, "x", 90}});

    tracks.push_back(drums);
    return EncodeSmf(1, kDivision, tracks);
}
