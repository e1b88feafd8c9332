// Measuring a rendered note: its fundamental and its loudness.
#pragma once

#include <vector>

// The fundamental in Hz of samples at `rate`, searched within an octave of `expectedHz`: the
// period by the normalised difference function, refined by the spectral peak near it.
// 0 when no period is found.
double MeasureFundamental(const std::vector<double>& samples, double rate, double expectedHz);
// RMS in dB relative to full scale (1.0); -200 for silence.
double RmsDb(const std::vector<double>& samples);
// 1200 log2(measured / expected).
double Cents(double measuredHz, double expectedHz);
