// Signal tools of the voice generator: a seeded noise source and second-order filters. The
// generator must write the same file on every run, so all noise comes from here.
#pragma once

#include <cstdint>
#include <numbers>

constexpr double kPi = std::numbers::pi;

// xorshift32 with a fixed seed per sound.
struct Noise {
    std::uint32_t state;
};

Noise NoiseWithSeed(std::uint32_t seed);
// Uniform in -1..1.
double NextNoise(Noise& noise);
// Uniform in 0..1.
double NextUnit(Noise& noise);

// A biquad section (direct form I); frequencies are in cycles per sample (0..0.5).
struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

Biquad LowPass(double frequency, double q);
Biquad HighPass(double frequency, double q);
// Peak gain 1 at the centre frequency.
Biquad BandPass(double frequency, double q);
double Filter(Biquad& filter, double x);

// Frequency of a MIDI key in Hz (key 69 = 440 Hz).
double KeyFrequency(double key);
