// Melodic waveforms. 64 samples make one cycle of the note's pitch, so a partial of ratio r
// sounds at r times the key's frequency. A waveform is an opening part of attackCycles cycles
// (the attack: brighter, noisier or inharmonic) followed by a loop of loopCycles cycles (the
// sustained tone); everything that belongs to the opening part dies away to exactly nothing
// before the loop starts, so the loop closes without a jump.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

constexpr int kCycleSamples = 64;

struct Partial {
    double ratio;  // frequency in multiples of the key's frequency
    double amp;
    double phase = 0;  // radians
};
using Partials = std::vector<Partial>;

struct Wave {
    int attackCycles;
    int loopCycles;
    std::vector<double> samples;
};

Wave NewWave(int attackCycles, int loopCycles);

// Harmonics 1..count with amplitude amp(h).
Partials Series(int count, const std::function<double(int)>& amp);
// The harmonics of one cycle written in time (phase 0..1), for shapes that are easier to write
// that way (clipped, pulsed, bent).
Partials FromCycle(const std::function<double(double)>& cycle, int count);
// A copy with every ratio multiplied and every amplitude scaled (a detuned second voice).
Partials Detuned(const Partials& partials, double ratioFactor, double gain);
// Fades partials out before they would alias on the highest key the tone is meant for: a note
// at 22050 samples per second holds partials below 11025 Hz.
void BandLimit(Partials& partials, double topKey);
// Chooses phases that keep the loop's peak low (more loudness per step of the 6-bit samples).
void SpreadPhases(Partials& partials, int loopCycles, std::uint32_t seed);

// Partials over the whole waveform; ratios are rounded to multiples of 1 / loopCycles so the
// loop repeats seamlessly.
void AddSteady(Wave& wave, const Partials& partials);
// Partials whose amplitudes move with the loop: gain(ratio, position in the loop 0..1). The
// opening part continues the same motion backwards, so the loop still closes.
void AddMoving(Wave& wave, const Partials& partials,
               const std::function<double(double, double)>& gain);
// Partials of the opening part with amplitude e^(-t / decayCycles).
void AddFading(Wave& wave, const Partials& partials, double decayCycles);
// Partials of the opening part whose pitch falls, as a struck drum head's: each starts at
// (1 + bend) times its ratio and falls toward it with time constant bendCycles; amplitude
// e^(-t / decayCycles).
void AddFalling(Wave& wave, const Partials& partials, double bend, double bendCycles,
                double decayCycles);
// Noise in the opening part, band-passed between two ratios, decaying.
void AddAttackNoise(Wave& wave, double level, double decayCycles, double lowRatio, double highRatio,
                    std::uint32_t seed);
// Noise that repeats with the loop: partials of random phase between two ratios, with
// amplitude tilt(ratio) (flat when empty).
void AddLoopNoise(Wave& wave, double level, double lowRatio, double highRatio, std::uint32_t seed,
                  const std::function<double(double)>& tilt = {});
// Multiplies the whole waveform by gain(cycle position); the loop part must get a gain that
// repeats with it.
void Envelope(Wave& wave, const std::function<double(double)>& gain);

struct WaveLevel {
    double loopRms;
    double peak;
};
WaveLevel MeasureWave(const Wave& wave);
// Samples 0..64 around 32 after multiplying by gain.
std::vector<std::uint8_t> QuantizeWave(const Wave& wave, double gain);
