// One-shot drum sounds at 22050 samples per second, built from sine sweeps, decaying modes and
// filtered noise.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "voiceset/voicegen/signal_math.h"

constexpr double kDrumRate = 22050.0;

using Sound = std::vector<double>;
// Amplitude over time in seconds.
using Contour = std::function<double(double)>;

Sound NewSound(double seconds);
// e^(-t / decay) after a linear rise over `attack` seconds.
Contour Decay(double decay, double attack = 0.0);

// A sine whose frequency falls from startHz toward endHz with time constant sweep (a drum
// head: tight at the strike, settling as it rings).
void AddDrop(Sound& sound, double startHz, double endHz, double sweep, double amp,
             const Contour& contour);
// A sine mode of fixed frequency starting at `start` seconds.
void AddMode(Sound& sound, double hz, double amp, const Contour& contour, double start = 0.0);

// A mode of a struck body: its frequency, amplitude and decay time constant in seconds.
struct DrumMode {
    double hz, amp, decay;
};
// The modes, each rising over `attack` seconds and dying at its own rate.
void AddModes(Sound& sound, const std::vector<DrumMode>& modes, double attack);
// Noise through the filters in turn, starting at `start` seconds.
void AddNoise(Sound& sound, std::uint32_t seed, std::vector<Biquad> filters, double amp,
              const Contour& contour, double start = 0.0);
// Many inharmonic modes between two frequencies with random phases: the shimmer of cymbals and
// hi-hats.
void AddMetal(Sound& sound, std::uint32_t seed, int count, double lowHz, double highHz, double amp,
              const Contour& contour);
// Loudness of the loudest 50 ms as an RMS (the measure the kit is balanced by).
double LoudestRms(const Sound& sound);
// Filters the whole sound in place.
void FilterSound(Sound& sound, Biquad filter);
// Hz as a biquad frequency.
double Hz(double hz);
