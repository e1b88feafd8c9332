// The drum kit: the default drum (entry 1), every General MIDI drum key 35..81 and references
// for the keys around them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "voiceset/voicegen/drum_sound.h"

struct DrumDesign {
    int entry;  // 1 (the default drum) or a drum key
    std::string name;
    int aliasKey = 0;  // when set, the key plays that key's samples
    Sound sound;
    double trimDb = 0.0;    // loudness against the kit's common level
    bool highOnly = false;  // sounds only high: its rounding error is moved up too
};

std::vector<DrumDesign> DrumKit();
// Samples 0..64 around 32, the loudest 50 ms at the kit's common level moved by the trim (the
// peak never past full scale); the silent tail is cut off.
std::vector<std::uint8_t> QuantizeDrum(const DrumDesign& drum);

// The families; each makes the sounds of its keys (entry 1 is a skin drum).
Sound SkinDrum(int key);        // kicks, snares, toms, side stick
Sound LatinDrum(int key);       // bongos, congas, timbales
Sound MetalDrum(int key);       // hi-hats, cymbals, bells, cowbell, agogo, triangles, tambourine
Sound HandPercussion(int key);  // clap, shakers, scrapers, woods, whistles, cuica, vibraslap
