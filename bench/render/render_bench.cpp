// The render loop alone: WaveSynth over a quarter note with 8, 16 or 32 voices sounding, the
// notes struck anew every quarter note, at both sample rates. The counter ns_per_voice_sample
// is CPU time per sample of one voice.
//   render_bench [--benchmark_filter=...]      Google Benchmark, a few seconds in all
//   render_bench --count VOICES RATE QUARTERS  renders that much and prints the voice-samples
//                                              (run under callgrind --toggle-collect=WaveSynth)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/render/voice_rig.h"

namespace {

void BM_WaveSynth(benchmark::State& state) {
    const int voices = static_cast<int>(state.range(0));
    VoiceRig rig(static_cast<std::int32_t>(state.range(1)));
    if (!rig.error().empty()) {
        state.SkipWithError(rig.error().c_str());
        return;
    }
    std::uint64_t voiceSamples = 0;
    int fewest = voices;
    for (auto _ : state) {
        rig.Strike(voices);
        voiceSamples += rig.RenderQuarter();
        fewest = std::min(fewest, rig.Sounding());
    }
    state.counters["ns_per_voice_sample"] =
        benchmark::Counter(static_cast<double>(voiceSamples) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    // Fewer than the voices struck: a note ended inside the quarter and the figure is too low.
    state.counters["voices_at_end"] = fewest;
}
BENCHMARK(BM_WaveSynth)
    ->ArgNames({"voices", "rate"})
    ->ArgsProduct({{8, 16, 32}, {22050, 44100}})
    ->MinTime(0.3);

int Count(int voices, int rate, int quarters) {
    VoiceRig rig(rate);
    if (!rig.error().empty()) {
        std::fprintf(stderr, "render_bench: %s\n", rig.error().c_str());
        return 1;
    }
    std::uint64_t voiceSamples = 0;
    for (int i = 0; i < quarters; ++i) {
        rig.Strike(voices);
        voiceSamples += rig.RenderQuarter();
    }
    std::printf("voice_samples %llu\n", static_cast<unsigned long long>(voiceSamples));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--count") == 0) {
        return Count(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
