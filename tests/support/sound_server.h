// A PulseAudio server of the test's own, as a desktop has one: two null sinks, "one" the default
// and "two", and an ALSA configuration that lists a second device, routed to "two", before the
// default one. Everything lives below the home folder given; the server ends with the object.
#pragma once

#include <sys/types.h>

#include <string>

class SoundServer {
public:
    // Starts the server; Running() tells whether it came up.
    explicit SoundServer(const std::string& home);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Whether pulseaudio and pactl are installed (without them the tests skip).
    static bool Installed();
    bool Running() const { return running_; }
    // "HOME=... XDG_RUNTIME_DIR=... ALSA_CONFIG_PATH=... " for a program that plays on it.
    std::string Environment() const;
    // What `pactl ARGUMENTS` prints.
    std::string Pactl(const std::string& arguments) const;
    // The sample format of the first stream that keeps playing for half a second, and its sink's
    // name, within 10 seconds ("s16le 1ch 44100Hz", "one"); empty when none does. A device
    // opened and closed in passing, as a probe of its formats does, doesn't count.
    struct Stream {
        std::string sink, format;
    };
    Stream FirstStream() const;
    // The state of the sink named ("RUNNING", "IDLE", "SUSPENDED").
    std::string SinkState(const std::string& sink) const;

private:
    std::string home_;
    pid_t pid_ = -1;
    bool running_ = false;
};
