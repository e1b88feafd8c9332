// The library's start: the calls it makes in order, the messages of each failure, the stored
// format reset when the device refuses it or it is none of the four, and the one guarded block.
#include "player/model/library_start.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "player/model/settings.h"
#include "player/model/settings_failure.h"
#include "tests/platform/registry_support.h"

namespace {

// The library's calls and the messages, each written to one log in order: TeInit as its format
// flag (its other arguments kept aside), a message as "message " and its text. The call whose
// log entry starts with `throwing` throws once it is logged.
class FakeStart final : public LibraryStartCalls, public PlayerMessages {
public:
    int initResult = 1;
    bool voiceFile = true;
    std::string throwing;
    std::vector<std::string> log;
    std::string initArguments;  // window, level and mapper of the last TeInit

    int Init(std::uint32_t formatFlag, platform::WindowHandle window, std::uint8_t level,
             std::int32_t waveMapper) override {
        char flag[16];
        std::snprintf(flag, sizeof flag, "init 0x%x", formatFlag);
        initArguments =
            std::to_string(window) + " " + std::to_string(level) + " " + std::to_string(waveMapper);
        Log(flag);
        return initResult;
    }
    bool SetVoices() override {
        Log("voices");
        return voiceFile;
    }
    void SetStatus(std::int32_t polyLimit, std::int32_t lpfDelay) override {
        Log("status " + std::to_string(polyLimit) + " " + std::to_string(lpfDelay));
    }
    void SetMasterVolume(std::uint8_t level) override { Log("volume " + std::to_string(level)); }
    void Show(const std::u16string& text) override {
        log.push_back("message " + platform::Utf16ToUtf8(text));
    }

private:
    void Log(const std::string& call) {
        log.push_back(call);
        if (!throwing.empty() && call.rfind(throwing, 0) == 0) throw std::runtime_error(call);
    }
};

const std::string kInitFailed = "message PCM Audioを初期化できません\n起動に失敗しました";
const std::string kNoVoices = "message 音色設定ﾌｧｲﾙが読み込めません\n起動に失敗しました";
const std::string kUnknown = "message 不明なエラーが発生しています";

// The whole start with the fixture's settings, after TeInit with that flag.
std::vector<std::string> Started(const std::string& init) {
    return {init, "voices", "status 20 1", "volume 9"};
}

struct StartCase {
    const char* name;
    int waveQuality;
    int initResult;
    bool voiceFile;
    const char* throwing;
    std::vector<std::string> log;
    bool reset;  // the stored quality is 0 then, written at once
    int result;
};

const StartCase kStartCases[] = {
    {"Quality0", 0, 1, true, "", Started("init 0x10"), false, 1},
    {"Quality1", 1, 1, true, "", Started("init 0x40"), false, 1},
    {"Quality2", 2, 1, true, "", Started("init 0x100"), false, 1},
    {"Quality3", 3, 1, true, "", Started("init 0x400"), false, 1},
    {"QualityAboveTheFour", 4, 1, true, "", {kInitFailed}, true, 0},
    {"NegativeQuality", -1, 1, true, "", {kInitFailed}, true, 0},
    {"InitRefused", 3, 0, true, "", {"init 0x400", kInitFailed}, true, 0},
    {"VoiceFileMissing", 2, 1, false, "", {"init 0x100", "voices", kNoVoices}, false, 0},
    {"InitThrows", 1, 1, true, "init", {"init 0x40", kUnknown}, false, 0},
    {"VoicesThrow", 1, 1, true, "voices", {"init 0x40", "voices", kUnknown}, false, 0},
    {"VolumeThrows",
     1,
     1,
     true,
     "volume",
     {"init 0x40", "voices", "status 20 1", "volume 9", kUnknown},
     false,
     0},
};

class StartFixture {
protected:
    StartFixture() : savedSettings_(g_settings), savedMemory_(g_windowMemory) {
        g_settings.polyLimit = 20;
        g_settings.bLPFDelay = 1;
        g_settings.masterVolume = 9;
        g_settings.bWaveMapper = 1;
    }
    ~StartFixture() {
        g_settings = savedSettings_;
        g_windowMemory = savedMemory_;
    }

    registrytest::TemporaryConfigHome home_;
    FakeStart start_;

private:
    PlayerSettings savedSettings_;
    WindowMemory savedMemory_;
};

class StartOutcome : public StartFixture, public ::testing::TestWithParam<StartCase> {};

TEST_P(StartOutcome, CallsTheLibraryInOrderAndTellsEachFailure) {
    const StartCase& test = GetParam();
    g_settings.waveQuality = test.waveQuality;
    start_.initResult = test.initResult;
    start_.voiceFile = test.voiceFile;
    start_.throwing = test.throwing;
    EXPECT_EQ(StartLibrary(start_, start_, 77), test.result);
    EXPECT_EQ(start_.log, test.log);
    if (!start_.initArguments.empty()) {
        EXPECT_EQ(start_.initArguments, "77 9 1");
    }
    EXPECT_EQ(g_settings.waveQuality, test.reset ? 0 : test.waveQuality);
    ASSERT_EQ(std::filesystem::exists(home_.StorePath()), test.reset) << "written by a reset only";
    if (!test.reset) return;
    g_settings.waveQuality = 5;
    LoadSettings();
    EXPECT_EQ(g_settings.waveQuality, 0);
}

std::string CaseName(const ::testing::TestParamInfo<StartCase>& test) { return test.param.name; }

INSTANTIATE_TEST_SUITE_P(LibraryStart, StartOutcome, ::testing::ValuesIn(kStartCases), CaseName);

// The store cannot take the reset: its reason follows the start's message, in the system's
// language, and the quality in memory is reset all the same.
class StartReset : public StartFixture, public ::testing::Test {};

TEST_F(StartReset, AResetTheStoreRefusesIsToldAfterTheFailedStart) {
    std::filesystem::create_directories(home_.StorePath());
    const char* language = std::getenv("LC_ALL");
    const std::string saved = language != nullptr ? language : "";
    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    g_settings.waveQuality = 2;
    start_.initResult = 0;
    EXPECT_EQ(StartLibrary(start_, start_, 77), 0);
    if (language != nullptr) {
        setenv("LC_ALL", saved.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
    const std::u16string reason = SettingsSaveFailure(true);
    EXPECT_EQ(reason.rfind(u"設定を保存できません\n", 0), 0u);
    EXPECT_EQ(start_.log, (std::vector<std::string>{"init 0x100", kInitFailed,
                                                    "message " + platform::Utf16ToUtf8(reason)}));
    EXPECT_EQ(g_settings.waveQuality, 0);
}

}  // namespace
