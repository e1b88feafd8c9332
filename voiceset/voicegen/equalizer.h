// A per-program equalizer over a finished waveform: every component at ratio r (multiples of
// the key's frequency) is multiplied by gain(r). It reshapes the balance of the harmonics and
// keeps everything else of the design (detuned copies, noise, inharmonic openings).
#pragma once

#include <functional>

#include "voiceset/voicegen/wave.h"

using RatioGain = std::function<double(double)>;

// The loop is filtered as one period, so it still closes; the opening part is filtered as a
// stretch that runs on into the loop, so it still joins the loop without a step. Loops must be
// a power of two in samples.
void Equalize(Wave& wave, const RatioGain& gain);

// Gains in dB for harmonics 1..12 as a gain over ratio: linear in dB between harmonics, the
// first harmonic's gain below it and the twelfth's above it.
RatioGain HarmonicGains(const double (&db)[12]);

constexpr int kEqualizedPrograms = 120;

// The equalizer of melodic program 0..119, from the timbre comparison (bench/timbre): it moves
// the harmonic balance of the designed tone to the profile of its instrument.
const double (&ProgramEqualizer(int program))[12];
