#include "tools/cli_progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

ProgressBar::ProgressBar() : shown_(isatty(2) != 0) {}

ProgressBar::~ProgressBar() { Interrupt(); }

void ProgressBar::Expect(std::uint64_t ms) { totalMs_ += ms; }

void ProgressBar::Add(std::uint64_t ms) {
    doneMs_ += ms;
    if (!shown_ || totalMs_ == 0) return;
    const std::uint64_t percent = std::min<std::uint64_t>(100, doneMs_ * 100 / totalMs_);
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    const std::string bar(percent * 30 / 100, '#');
    std::fprintf(stderr, "\rrendering [%-30s] %3u%%", bar.c_str(), static_cast<unsigned>(percent));
}

void ProgressBar::Interrupt() {
    if (shown_ && lastPercent_ != kNotDrawn) std::fputc('\n', stderr);
    lastPercent_ = kNotDrawn;
}
