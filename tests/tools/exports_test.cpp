// The library's boundary is its C header: nothing else is exported.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "tests/tools/cli_support.h"

TEST(LibraryExports, OnlyTheFunctionsOfTheHeader) {
    const CommandResult result = RunCommand("nm -D --defined-only " + std::string(TESALO_BIN_DIR) + "/libtesalo.so");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::set<std::string> exported;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) exported.insert(line.substr(line.rfind(' ') + 1));
    const std::set<std::string> header = {
        "TeInit", "TeCleanUp", "TeVoiceSet", "TeSetStatus", "SetMasterVolume", "TeDataSet",
        "TePlay", "TeStop", "TeSetNextBuffer", "TeGetSystemVolume", "TeSetSystemVolume",
        "TeGetParent", "GetVersion", "DecodeSmf", "WaveSet", "WaveSynth", "VoiceManager"};
    EXPECT_EQ(exported, header);
}
