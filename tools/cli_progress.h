// A bar on stderr that follows the musical time rendered so far (drawn only on a terminal).
#pragma once

#include <cstdint>

class ProgressBar {
public:
    ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;
    ~ProgressBar();

    // Adds to the milliseconds the bar's 100% stands for.
    void Expect(std::uint64_t ms);
    void Add(std::uint64_t ms);
    // Ends the bar's line so that a message can be printed; the next Add draws it again.
    void Interrupt();

private:
    std::uint64_t totalMs_ = 0;
    bool shown_;
    std::uint64_t doneMs_ = 0;
    std::uint64_t lastPercent_ = kNotDrawn;
    static constexpr std::uint64_t kNotDrawn = 101;
};
