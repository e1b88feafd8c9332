// The demo songs' notation and the MIDI file writer, with the expected events and bytes worked
// out by hand (division 480: a sixteenth is 120 ticks).
#include <gtest/gtest.h>

#include <stdexcept>

#include "voiceset/demogen/compose.h"
#include "voiceset/demogen/smf_writer.h"

namespace {

struct NoteEvent {
    std::uint32_t tick;
    int status, key, velocity;
    bool operator==(const NoteEvent&) const = default;
};

std::vector<NoteEvent> Events(const SmfTrack& track) {
    std::vector<NoteEvent> events;
    for (const SmfEvent& e : track.events)
        events.push_back({e.tick, e.bytes[0], e.bytes[1], e.bytes[2]});
    return events;
}

TEST(DemogenNotation, NoteNamesAreMidiKeys) {
    EXPECT_EQ(Key("C4"), 60);
    EXPECT_EQ(Key("A4"), 69);
    EXPECT_EQ(Key("F#3"), 54);
    EXPECT_EQ(Key("Bb2"), 46);
    EXPECT_EQ(Key("C-1"), 0);
    EXPECT_THROW(Key("H2"), std::invalid_argument);
    EXPECT_THROW(Key("C"), std::invalid_argument);
    EXPECT_THROW(Key("C4x"), std::invalid_argument);
    EXPECT_EQ(Key("G9"), 127);
    EXPECT_THROW(Key("G#9"), std::invalid_argument);  // 128: past the last key
}

TEST(DemogenNotation, NotesRestsChordsAndBarsFollowEachOther) {
    SmfTrack track;
    // A quarter C4, a rest of an eighth, then a half-note chord touching a bar line; gate 0.5.
    const std::uint32_t end = Play(track, 2, 100, "C4:4 r:2|E4+G4:8 v40 A4", 80, 0.5);
    EXPECT_EQ(end, 100u + 480 + 240 + 960 + 960);
    EXPECT_EQ(Events(track), (std::vector<NoteEvent>{
                                 {100, 0x91, 60, 80},
                                 {340, 0x81, 60, 64},
                                 {820, 0x91, 64, 80},
                                 {1300, 0x81, 64, 64},
                                 {820, 0x91, 67, 80},
                                 {1300, 0x81, 67, 64},
                                 {1780, 0x91, 69, 40},
                                 {2260, 0x81, 69, 64},
                             }));
    EXPECT_THROW(Play(track, 1, 0, "C4 x7"), std::invalid_argument);
}

TEST(DemogenNotation, DrumLinesRepeatOverTheStretch) {
    SmfTrack track;
    Drums(track, 0, 6, {{42, "Xo.x", 90}});
    // Steps 0, 1, 3, then the line again from step 4: 4 and 5.
    std::vector<NoteEvent> ons;
    for (const NoteEvent& e : Events(track)) {
        if (e.status == 0x99) ons.push_back(e);
    }
    EXPECT_EQ(ons, (std::vector<NoteEvent>{{0, 0x99, 42, 115},
                                           {120, 0x99, 42, 55},
                                           {360, 0x99, 42, 90},
                                           {480, 0x99, 42, 115},
                                           {600, 0x99, 42, 55}}));
}

TEST(SmfWriter, EncodesHeaderTracksAndDeltaTimes) {
    SmfTrack track;
    AddTempo(track, 0, 500000);
    AddNote(track, 480, 1, 60, 100, 480);
    AddNote(track, 0, 1, 60, 100, 480);  // ends where the next one starts: the off comes first
    const Bytes file = EncodeSmf(1, 480, {track});
    const Bytes expected = {
        'M',
        'T',
        'h',
        'd',
        0,
        0,
        0,
        6,
        0,
        1,
        0,
        1,
        0x01,
        0xE0,
        'M',
        'T',
        'r',
        'k',
        0,
        0,
        0,
        29,  // 7 + 4 + 5 + 4 + 5 + 4 bytes of
             // events
        0x00,
        0xFF,
        0x51,
        0x03,
        0x07,
        0xA1,
        0x20,  // tempo 500000
        0x00,
        0x90,
        60,
        100,  // note on at 0
        0x83,
        0x60,
        0x80,
        60,
        64,  // 480 later: note off...
        0x00,
        0x90,
        60,
        100,  // ...then on again
        0x83,
        0x60,
        0x80,
        60,
        64,  // 960: off
        0x00,
        0xFF,
        0x2F,
        0x00,
    };
    EXPECT_EQ(file, expected);
}

}  // namespace
