#include "bench/voiceset/pitch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kThreshold = 0.2;

// The lag (fractional) of the first clear dip of the cumulative mean normalised difference.
double PeriodInSamples(const std::vector<double>& x, int minLag, int maxLag) {
    const int window = static_cast<int>(x.size()) - maxLag - 1;
    if (window < 256) return 0;
    std::vector<double> d(maxLag + 2, 0.0);
    for (int lag = 1; lag <= maxLag + 1; ++lag) {
        double sum = 0;
        for (int j = 0; j < window; ++j) {
            const double diff = x[j] - x[j + lag];
            sum += diff * diff;
        }
        d[lag] = sum;
    }
    std::vector<double> normalised(maxLag + 2, 1.0);
    double running = 0;
    for (int lag = 1; lag <= maxLag + 1; ++lag) {
        running += d[lag];
        normalised[lag] = running > 0 ? d[lag] * lag / running : 1.0;
    }
    int best = -1;
    for (int lag = minLag; lag <= maxLag; ++lag) {
        if (normalised[lag] < kThreshold) {
            while (lag + 1 <= maxLag && normalised[lag + 1] < normalised[lag]) ++lag;
            best = lag;
            break;
        }
    }
    if (best < 0) {
        // No clear dip (a noisy tone): the shortest lag that comes close to the deepest dip, so
        // that a multiple of the period does not win by chance.
        int deepest = minLag;
        for (int lag = minLag; lag <= maxLag; ++lag) {
            if (normalised[lag] < normalised[deepest]) deepest = lag;
        }
        best = deepest;
        for (int lag = minLag + 1; lag < deepest; ++lag) {
            const bool dip =
                normalised[lag] <= normalised[lag - 1] && normalised[lag] <= normalised[lag + 1];
            if (dip && normalised[lag] < normalised[deepest] * 1.15 + 0.05) {
                best = lag;
                break;
            }
        }
    }
    const double a = normalised[best - 1], b = normalised[best], c = normalised[best + 1];
    const double denominator = a - 2 * b + c;
    return best + (denominator > 0 ? 0.5 * (a - c) / denominator : 0.0);
}

// Magnitude of the Hann-windowed spectrum at one frequency.
double MagnitudeAt(const std::vector<double>& x, double rate, double hz) {
    double re = 0, im = 0;
    const double n = static_cast<double>(x.size());
    const double step = 2.0 * std::numbers::pi * hz / rate;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / n);
        re += w * x[i] * std::cos(step * i);
        im += w * x[i] * std::sin(step * i);
    }
    return std::hypot(re, im);
}

// The strongest spectral peak within 60 cents of `hz`, by one-cent steps and a parabola.
double RefinePeak(const std::vector<double>& x, double rate, double hz) {
    constexpr int kSpan = 60;
    std::vector<double> magnitude;
    for (int cents = -kSpan; cents <= kSpan; ++cents) {
        magnitude.push_back(
            std::log(1e-12 + MagnitudeAt(x, rate, hz * std::pow(2.0, cents / 1200.0))));
    }
    const int best =
        static_cast<int>(std::max_element(magnitude.begin(), magnitude.end()) - magnitude.begin());
    double offset = best - kSpan;
    if (best > 0 && best < 2 * kSpan) {
        const double a = magnitude[best - 1], b = magnitude[best], c = magnitude[best + 1];
        const double denominator = a - 2 * b + c;
        if (denominator < 0) offset += 0.5 * (a - c) / denominator;
    }
    return hz * std::pow(2.0, offset / 1200.0);
}

}  // namespace

double MeasureFundamental(const std::vector<double>& samples, double rate, double expectedHz) {
    const int minLag = static_cast<int>(rate / (expectedHz * 2.0));
    const int maxLag = static_cast<int>(rate / (expectedHz / 2.0)) + 1;
    const double period = PeriodInSamples(samples, std::max(2, minLag), maxLag);
    if (period <= 0) return 0;
    return RefinePeak(samples, rate, rate / period);
}

double RmsDb(const std::vector<double>& samples) {
    double sum = 0;
    for (double v : samples) sum += v * v;
    if (samples.empty() || sum == 0) return -200;
    return 10.0 * std::log10(sum / samples.size());
}

double Cents(double measuredHz, double expectedHz) {
    return 1200.0 * std::log2(measuredHz / expectedHz);
}
