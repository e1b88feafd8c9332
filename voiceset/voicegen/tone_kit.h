// Building blocks shared by the instrument families: spectral shapes and the usual ways of
// turning a harmonic spectrum into a waveform.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "voiceset/voicegen/tone.h"

using HarmonicShape = std::function<double(int)>;

// 1/h: the bright, complete series of bowed strings, brass and saw waves.
double Saw(int h);
// Odd harmonics at 1/h, even ones scaled by `even` (0 = square, clarinet-like with some).
double OddHeavy(int h, double even);
// A string plucked or struck at `position` (0..0.5 of its length) with a 1/h^rolloff fall; the
// fundamental is always kept.
double Plucked(int h, double position, double rolloff);
// A resonance as a bump in log frequency: 1 at centre, falling by half within `octaves`.
double Peak(double ratio, double centre, double octaves);
// A spectral slope in dB per octave above the fundamental.
double Tilt(double ratio, double dbPerOctave);
// Harmonics with amplitude from formants (centres in multiples of the key's frequency) over a
// 1/h^rolloff source: voices and vowel-like timbres.
double Vowel(int h, const std::vector<std::pair<double, double>>& formants, double rolloff);

// A harmonic series for the loop: band-limited for topKey, phases spread for a low peak.
Partials LoopSeries(const HarmonicShape& amp, double topKey, std::uint32_t seed);
// The loop's ratios with other amplitudes and the loop's phases, for fading partials that make
// the opening part brighter or darker; band-limited for topKey.
Partials Matching(const Partials& loop, const HarmonicShape& amp, double topKey);
// Detuned copies of the loop's overtones: each {k, gain} adds the partials above the
// fundamental at ratio x (1 + k / loopCycles), for beating strings and ensembles.
void AddDetuned(Wave& wave, const Partials& partials,
                const std::vector<std::pair<int, double>>& copies, std::uint32_t seed);
// Partials at any ratios (inharmonic modes of bars, bells and membranes) for the opening part,
// band-limited for topKey.
Partials Modes(const std::vector<std::pair<double, double>>& ratioAndAmp, double topKey,
               std::uint32_t seed);

// The usual waveform: a harmonic loop (with detuned copies and looped noise if asked) and an
// opening part with fading extra harmonics, inharmonic modes and a noise burst. Amplitudes of
// the additions are relative to the loop's RMS, which is 1.
struct WaveRecipe {
    HarmonicShape loop;
    double topKey = 84;  // highest key meant to play cleanly
    int attackCycles = 16;
    int loopCycles = 1;
    std::vector<std::pair<int, double>> detune;  // copies {k, gain}, see AddDetuned
    double loopNoise = 0, loopNoiseLow = 1, loopNoiseHigh = 20;
    HarmonicShape brighten;  // fading extra harmonics (negative: darker start)
    double brightDecay = 8;  // in cycles
    std::vector<std::pair<double, double>> modes;  // {ratio, amp} of the opening part
    double modeDecay = 8;
    double modeBend = 0, modeBendCycles = 8;  // modes start (1 + bend) x higher and fall
    double noise = 0, noiseDecay = 2, noiseLow = 1, noiseHigh = 24;
};
Wave MakeWave(const WaveRecipe& recipe, std::uint32_t seed);

ToneDesign Tone(ToneEnvelope envelope, ToneModulation modulation, Wave wave, double loudness = 1.0);
