// voice_check: renders every program and drum of a voice file through the synthesizer and checks
// it. Each melodic program 0..119 plays a middle C (key 60) and an A4 (key 69), whose fundamental
// must lie within 10 cents of the key's pitch; every program and drum's loudness is reported
// against the median. Exit status 1 when a pitch is off (or nothing could be rendered).
//
// Usage: voice_check [VOICE_FILE]   (default: the committed voiceset/voice.txt)
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/voiceset/pitch.h"
#include "voiceset/demogen/smf_writer.h"

namespace {

constexpr double kRate = 22050.0;
constexpr int kDivision = 480;
// At tempo 500000 and division 480 the synthesizer counts 1041 us per tick, so one quarter
// note (one block) is 11017 samples at 22050 Hz.
constexpr double kSamplesPerQuarter = 11017.0;
constexpr int kQuartersPerProgram = 8;  // key 60 for 3 quarters, rest, key 69 for 3, rest
constexpr int kQuartersPerDrum = 4;
constexpr double kMaxCents = 10.0;
constexpr int kLastChecked = 119;  // the sound effects 120..127 have no pitch to check

struct Note {
    int program;  // -1 for a drum
    int key;
    std::uint32_t quarter;
};

std::vector<Note> TestNotes() {
    std::vector<Note> notes;
    std::uint32_t quarter = 1;
    for (int program = 0; program < 128; ++program) {
        notes.push_back({program, 60, quarter});
        notes.push_back({program, 69, quarter + 4});
        quarter += kQuartersPerProgram;
    }
    for (int key = 35; key <= 81; ++key) {
        notes.push_back({-1, key, quarter});
        quarter += kQuartersPerDrum;
    }
    return notes;
}

Bytes TestSong(const std::vector<Note>& notes) {
    SmfTrack track;
    AddTempo(track, 0, 500000);
    AddController(track, 0, 1, 7, 100);
    AddController(track, 0, 10, 7, 100);
    for (const Note& note : notes) {
        const std::uint32_t tick = note.quarter * kDivision;
        if (note.program >= 0) {
            AddProgram(track, tick, 1, note.program);
            AddNote(track, tick, 1, note.key, 100, 3 * kDivision);
        } else {
            AddNote(track, tick, 10, note.key, 100, kDivision / 4);
        }
    }
    return EncodeSmf(0, kDivision, {track});
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::vector<double> ReadRaw16(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<double> samples;
    unsigned char pair[2];
    while (in.read(reinterpret_cast<char*>(pair), 2)) {
        samples.push_back(static_cast<std::int16_t>(pair[0] | pair[1] << 8) / 32768.0);
    }
    return samples;
}

std::vector<double> Slice(const std::vector<double>& all, double from, double seconds) {
    const auto begin = static_cast<std::size_t>(std::max(0.0, from));
    const auto end = std::min(all.size(), begin + static_cast<std::size_t>(seconds * kRate));
    if (begin >= end) return {};
    return std::vector<double>(all.begin() + static_cast<long>(begin),
                               all.begin() + static_cast<long>(end));
}

// The part of a note to measure the pitch on: after its opening, while it still sounds clearly.
std::vector<double> SustainedPart(const std::vector<double>& all, double onset) {
    std::vector<double> part = Slice(all, onset + 0.2 * kRate, 1.0);
    const std::size_t frame = 1024;
    double loudest = 0;
    for (std::size_t at = 0; at + frame <= part.size(); at += frame) {
        loudest = std::max(loudest, RmsDb(Slice(part, static_cast<double>(at), frame / kRate)));
    }
    std::size_t keep = 0;
    for (std::size_t at = 0; at + frame <= part.size(); at += frame) {
        if (RmsDb(Slice(part, static_cast<double>(at), frame / kRate)) < loudest - 24) break;
        keep = at + frame;
    }
    part.resize(std::max<std::size_t>(keep, 4096));
    return part;
}

double KeyHz(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

struct Measured {
    Note note;
    double cents;  // NaN for drums and effects
    double db;
};

std::vector<Measured> Measure(const std::vector<double>& audio, const std::vector<Note>& notes) {
    std::vector<Measured> results;
    for (const Note& note : notes) {
        const double onset = note.quarter * kSamplesPerQuarter;
        const bool drum = note.program < 0;
        const double db = RmsDb(Slice(audio, onset, drum ? 0.25 : 1.0));
        double cents = std::nan("");
        if (!drum && note.program <= kLastChecked) {
            const double hz =
                MeasureFundamental(SustainedPart(audio, onset), kRate, KeyHz(note.key));
            cents = hz > 0 ? Cents(hz, KeyHz(note.key)) : 1e9;
        }
        results.push_back({note, cents, db});
    }
    return results;
}

int Report(const std::vector<Measured>& results) {
    std::vector<double> programDb, drumDb;
    for (const Measured& m : results) (m.note.program < 0 ? drumDb : programDb).push_back(m.db);
    const double programMedian = Median(programDb), drumMedian = Median(drumDb);
    int failures = 0;
    double worst = 0;
    std::printf("program key   cents   dB (to median %.1f dBFS)\n", programMedian);
    for (const Measured& m : results) {
        if (m.note.program < 0) continue;
        const bool checked = !std::isnan(m.cents);
        const bool bad = checked && std::fabs(m.cents) > kMaxCents;
        if (checked) worst = std::max(worst, std::fabs(m.cents));
        failures += bad ? 1 : 0;
        char cents[24] = "-";
        if (checked) std::snprintf(cents, sizeof cents, "%+.1f", m.cents);
        std::printf("%7d %3d %7s %+6.1f%s\n", m.note.program, m.note.key, cents,
                    m.db - programMedian, bad ? "   <-- PITCH OFF" : "");
    }
    std::printf("\ndrum  dB (to drum median %.1f dBFS, which is %+.1f dB to the programs')\n",
                drumMedian, drumMedian - programMedian);
    for (const Measured& m : results) {
        if (m.note.program >= 0) continue;
        std::printf("%4d %+6.1f%s\n", m.note.key, m.db - drumMedian,
                    m.db < -90 ? "   <-- SILENT" : "");
        failures += m.db < -90 ? 1 : 0;
    }
    auto [low, high] = std::minmax_element(programDb.begin(), programDb.end());
    std::printf(
        "\nlargest pitch deviation %.1f cents; program loudness %+.1f .. %+.1f dB to the median\n",
        worst, *low - programMedian, *high - programMedian);
    if (failures > 0) std::printf("FAILED: %d notes off pitch or silent\n", failures);
    return failures > 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string voiceFile = argc > 1 ? argv[1] : TESALO_SOURCE_DIR "/voiceset/voice.txt";
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tesalo-voice-check-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::vector<Note> notes = TestNotes();
    const std::string song = (dir / "check.mid").string(), raw = (dir / "check.raw").string();
    int status = 1;
    if (WriteFile(song, TestSong(notes))) {
        const std::string command = std::string("'") +
                                    TESALO_BIN_DIR "/tesalo' render -q 1 --raw --voice '" +
                                    voiceFile + "' '" + song + "' -o '" + raw + "'";
        if (std::system(command.c_str()) == 0) {
            status = Report(Measure(ReadRaw16(raw), notes));
        } else {
            std::fprintf(stderr, "voice_check: rendering failed: %s\n", command.c_str());
        }
    }
    std::filesystem::remove_all(dir);
    return status;
}
