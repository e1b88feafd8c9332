// How one program of the set is made: its envelope and modulation numbers as the voice file
// stores them, and its waveform (or the lower program whose waveform it shares).
#pragma once

#include "voiceset/voicegen/wave.h"

// Times as the synthesizer reads them: attack (15 - attack) x 50 ms; first decay
// (15 - decay1) x 100 ms over decay1Steps of the 16 level steps (0 = hold the peak);
// second decay (15 - decay2) x 100 ms down to silence (0 = hold).
struct ToneEnvelope {
    int attack, decay1, decay2, decay1Steps;
};

// mode 0 none, 1..9 tremolo depth, 10 + d vibrato of depth d; one step every
// 880 - 55 x speed samples, eight steps a cycle; starting delay x 50 ms after the note.
struct ToneModulation {
    int mode = 0, speed = 0, delay = 0;
};

struct ToneDesign {
    ToneEnvelope envelope;
    ToneModulation modulation;
    Wave wave;              // unused when alternateOf is set
    int alternateOf = -1;   // a lower program whose waveform this one plays
    double loudness = 1.0;  // relative to the common loudness of the set (own waveforms)
};

// A tone that plays the waveform of a lower program with its own envelope and modulation.
ToneDesign Alternate(int program, ToneEnvelope envelope, ToneModulation modulation = {});

// The families; each designs the programs of its range.
ToneDesign KeyboardTone(int program);  // 0..15 pianos and chromatic percussion
ToneDesign OrganTone(int program);     // 16..23
ToneDesign GuitarTone(int program);    // 24..39 guitars and basses
ToneDesign StringTone(int program);    // 40..55 strings, ensembles, voices
ToneDesign WindTone(int program);      // 56..79 brass, reeds, pipes
ToneDesign SynthTone(int program);     // 80..103 leads, pads, synth effects
ToneDesign WorldTone(int program);     // 104..119 ethnic and percussive
ToneDesign EffectTone(int program);    // 120..127 sound effects
