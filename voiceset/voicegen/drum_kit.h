// The drum kit: the default drum (entry 1), every General MIDI drum key 35..81 and references
// for the keys around them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "voiceset/voicegen/drum_sound.h"

struct DrumDesign {
    int entry;          // 1 (the default drum) or a drum key
    std::string name;
    int aliasKey = 0;   // when set, the key plays that key's samples
    Sound sound;
    double peak = 0.9;  // peak as a share of full scale
};

std::vector<DrumDesign> DrumKit();
// Samples 0..64 around 32; the silent tail is cut off.
std::vector<std::uint8_t> QuantizeDrum(const DrumDesign& drum);

// The families; each makes the sounds of its keys (entry 1 is a skin drum).
Sound SkinDrum(int key);       // kicks, snares, toms, bongos, congas, timbales, side stick
Sound MetalDrum(int key);      // hi-hats, cymbals, bells, cowbell, agogo, triangles, tambourine
Sound HandPercussion(int key); // clap, shakers, scrapers, woods, whistles, cuica, vibraslap
