// The library on the null device with the shipped voice set and a chosen number of voices
// sounding: what the render loop's benchmarks measure, a quarter note at a time.
#pragma once

#include <cstdint>
#include <string>

#include "platform/messages.h"

class VoiceRig {
public:
    // 22050 or 44100 Hz, 16-bit output; polyphony 32, filter off.
    explicit VoiceRig(std::int32_t sampleRate);
    VoiceRig(const VoiceRig&) = delete;
    VoiceRig& operator=(const VoiceRig&) = delete;
    ~VoiceRig();

    // Empty when the library and the voice set are ready, else what went wrong.
    const std::string& error() const { return error_; }
    // Ends every voice and strikes `voices` sustained notes on the fifteen melodic channels.
    void Strike(int voices);
    // One quarter note at 120 beats a minute through WaveSynth; the voice-samples it rendered.
    std::uint64_t RenderQuarter();
    // Voices sounding now.
    int Sounding() const;

private:
    platform::WindowHandle window_ = 0;
    std::string error_;
};
