#include "voiceset/voicegen/signal_math.h"

#include <cmath>

Noise NoiseWithSeed(std::uint32_t seed) {
    // A zero state would stay zero; mix the seed so that small seeds differ at once.
    std::uint32_t state = seed * 2654435761u + 0x9E3779B9u;
    if (state == 0) state = 1;
    return Noise{state};
}

double NextUnit(Noise& noise) {
    std::uint32_t x = noise.state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    noise.state = x;
    return static_cast<double>(x) / 4294967296.0;
}

double NextNoise(Noise& noise) { return NextUnit(noise) * 2.0 - 1.0; }

namespace {

struct Coefficients {
    double cosw, alpha;
};

Coefficients Prepare(double frequency, double q) {
    const double w = 2.0 * kPi * frequency;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

Biquad Normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    Biquad filter{};
    filter.b0 = b0 / a0;
    filter.b1 = b1 / a0;
    filter.b2 = b2 / a0;
    filter.a1 = a1 / a0;
    filter.a2 = a2 / a0;
    return filter;
}

}  // namespace

Biquad LowPass(double frequency, double q) {
    const Coefficients c = Prepare(frequency, q);
    return Normalised((1 - c.cosw) / 2, 1 - c.cosw, (1 - c.cosw) / 2, 1 + c.alpha, -2 * c.cosw,
                      1 - c.alpha);
}

Biquad HighPass(double frequency, double q) {
    const Coefficients c = Prepare(frequency, q);
    return Normalised((1 + c.cosw) / 2, -(1 + c.cosw), (1 + c.cosw) / 2, 1 + c.alpha, -2 * c.cosw,
                      1 - c.alpha);
}

Biquad BandPass(double frequency, double q) {
    const Coefficients c = Prepare(frequency, q);
    return Normalised(c.alpha, 0, -c.alpha, 1 + c.alpha, -2 * c.cosw, 1 - c.alpha);
}

double Filter(Biquad& f, double x) {
    const double y = f.b0 * x + f.b1 * f.x1 + f.b2 * f.x2 - f.a1 * f.y1 - f.a2 * f.y2;
    f.x2 = f.x1;
    f.x1 = x;
    f.y2 = f.y1;
    f.y1 = y;
    return y;
}

double KeyFrequency(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }
