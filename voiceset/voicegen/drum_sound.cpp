#include "voiceset/voicegen/drum_sound.h"

#include <algorithm>
#include <cmath>

Sound NewSound(double seconds) { return Sound(static_cast<std::size_t>(seconds * kDrumRate), 0.0); }

Contour Decay(double decay, double attack) {
    return [=](double t) {
        const double rise = attack > 0 && t < attack ? t / attack : 1.0;
        return rise * std::exp(-(t - (t < attack ? t : attack)) / decay);
    };
}

double Hz(double hz) { return hz / kDrumRate; }

void AddDrop(Sound& sound, double startHz, double endHz, double sweep, double amp,
             const Contour& contour) {
    double phase = 0;
    for (std::size_t n = 0; n < sound.size(); ++n) {
        const double t = n / kDrumRate;
        const double hz = endHz + (startHz - endHz) * std::exp(-t / sweep);
        sound[n] += amp * contour(t) * std::sin(phase);
        phase += 2.0 * kPi * hz / kDrumRate;
    }
}

void AddMode(Sound& sound, double hz, double amp, const Contour& contour, double start) {
    for (std::size_t n = static_cast<std::size_t>(start * kDrumRate); n < sound.size(); ++n) {
        const double t = n / kDrumRate - start;
        sound[n] += amp * contour(t) * std::sin(2.0 * kPi * hz * t);
    }
}

void AddModes(Sound& sound, const std::vector<DrumMode>& modes, double attack) {
    for (const DrumMode& p : modes) AddMode(sound, p.hz, p.amp, Decay(p.decay, attack));
}

void AddNoise(Sound& sound, std::uint32_t seed, std::vector<Biquad> filters, double amp,
              const Contour& contour, double start) {
    Noise noise = NoiseWithSeed(seed);
    for (std::size_t n = static_cast<std::size_t>(start * kDrumRate); n < sound.size(); ++n) {
        double x = NextNoise(noise);
        for (Biquad& filter : filters) x = Filter(filter, x);
        sound[n] += amp * contour(n / kDrumRate - start) * x;
    }
}

void AddMetal(Sound& sound, std::uint32_t seed, int count, double lowHz, double highHz, double amp,
              const Contour& contour) {
    Noise noise = NoiseWithSeed(seed);
    const double each = amp / std::sqrt(static_cast<double>(count));
    for (int i = 0; i < count; ++i) {
        // Log-spaced at random, so the modes neither cluster nor form a harmonic series.
        const double hz = lowHz * std::pow(highHz / lowHz, NextUnit(noise));
        const double phase = 2.0 * kPi * NextUnit(noise);
        const double speed = 0.6 + 0.8 * NextUnit(noise);  // higher modes of a plate die sooner
        for (std::size_t n = 0; n < sound.size(); ++n) {
            const double t = n / kDrumRate;
            sound[n] += each * contour(t * speed) * std::sin(2.0 * kPi * hz * t + phase);
        }
    }
}

double LoudestRms(const Sound& sound) {
    const std::size_t frame = static_cast<std::size_t>(0.05 * kDrumRate);
    double sum = 0.0, best = 0.0;
    for (std::size_t n = 0; n < sound.size(); ++n) {
        sum += sound[n] * sound[n];
        if (n >= frame) sum -= sound[n - frame] * sound[n - frame];
        best = std::max(best, sum);
    }
    return std::sqrt(best / static_cast<double>(frame));
}

void FilterSound(Sound& sound, Biquad filter) {
    for (double& x : sound) x = Filter(filter, x);
}
