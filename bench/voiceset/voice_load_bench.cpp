// How long TeVoiceSet takes to load the committed voice file (the player does it at every start).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "library/tesalo.h"
#include "platform/messages.h"
#include "tests/doubles/waveout_null.h"

namespace {

std::string ReadVoiceFile() {
    std::ifstream in(TESALO_SOURCE_DIR "/voiceset/voice.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::intptr_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

void BM_TeVoiceSet(benchmark::State& state) {
    const std::string file = ReadVoiceFile();
    platform::WaveOutUseNull(platform::NullPacing::kManual);
    const platform::WindowHandle window = platform::CreateMessageWindow(IgnoreMessages);
    if (file.empty() || TeInit(TE_FORMAT_22K_16, window, 16, 0) != 1) {
        state.SkipWithError("no voice file or no library");
        return;
    }
    for (auto _ : state) {
        const auto result = TeVoiceSet(reinterpret_cast<const std::uint8_t*>(file.data()),
                                       static_cast<std::int32_t>(file.size()));
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(file.size()));
    TeCleanUp();
    platform::DestroyMessageWindow(window);
}
BENCHMARK(BM_TeVoiceSet)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
