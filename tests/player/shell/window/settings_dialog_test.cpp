// The settings dialog opened by the main window's settings button, answered from the test's script.
#include <cstdlib>
#include <cstring>
#include <fstream>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "library/frame/state.h"
#include "platform/waveout.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/model/settings_form.h"
#include "tests/doubles/waveout_null.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

constexpr std::uint32_t kEveryFormat = 0x10 | 0x40 | 0x100 | 0x400;

template <typename Control>
Control* Find(QWidget* dialog, int id) {
    return dialog->findChild<Control*>(QStringLiteral("id%1").arg(id));
}

// Pressed from the dialog's own loop, so that a message box it opens is answered too.
void PressLater(QWidget* dialog, int id) {
    QTimer::singleShot(0, dialog, [dialog, id] { Find<QPushButton>(dialog, id)->click(); });
}

struct ButtonStates {
    bool lower = false;
    bool raise = false;
    QString field;
};

ButtonStates ReadButtons(QWidget* dialog) {
    return {Find<QPushButton>(dialog, kSettingsLowerPoly)->isEnabled(),
            Find<QPushButton>(dialog, kSettingsRaisePoly)->isEnabled(),
            Find<QLineEdit>(dialog, kSettingsPolyField)->text()};
}

class SettingsDialogTest : public WindowTest {
protected:
    void TearDown() override {
        platform::WaveOutNullDevices({kEveryFormat});
        WindowTest::TearDown();
    }
    // Opens the dialog, lets step look and act, then presses the button `close` (1 or 2);
    // `message` answers the box that this opens.
    void Open(const std::function<void(QWidget*)>& step, int close,
              ModalScript::Step message = nullptr) {
        script_.Then([step, close](QWidget* dialog) {
            step(dialog);
            PressLater(dialog, close);
        });
        if (message) script_.Then(message);
        Command(kCommandSettings);
        EXPECT_EQ(script_.Pending(), 0u);
    }
    QStringList Entries() {
        QStringList entries;
        Open(
            [&entries](QWidget* dialog) {
                auto* combo = Find<QComboBox>(dialog, kSettingsQuality);
                for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
            },
            2);
        return entries;
    }
};

TEST_F(SettingsDialogTest, PolyLimitButtonsStopAtEightAndThirtyTwo) {
    ButtonStates shown;
    g_settings.polyLimit = 8;
    Open([&shown](QWidget* dialog) { shown = ReadButtons(dialog); }, 2);
    EXPECT_FALSE(shown.lower);
    EXPECT_TRUE(shown.raise);
    EXPECT_EQ(shown.field, "8");

    g_settings.polyLimit = 32;
    Open([&shown](QWidget* dialog) { shown = ReadButtons(dialog); }, 2);
    EXPECT_TRUE(shown.lower);
    EXPECT_FALSE(shown.raise);
}

TEST_F(SettingsDialogTest, StepsReachTheLimitsAndOkHandsThemToTheLibrary) {
    ButtonStates stepped;
    g_settings.polyLimit = 31;
    Open(
        [&stepped](QWidget* dialog) {
            Find<QPushButton>(dialog, kSettingsRaisePoly)->click();
            stepped = ReadButtons(dialog);
        },
        1);
    EXPECT_EQ(stepped.field, "32");
    EXPECT_FALSE(stepped.raise);
    EXPECT_TRUE(stepped.lower);
    EXPECT_EQ(g_settings.polyLimit, 32);
    EXPECT_EQ(g.polyLimit.load(), 32);

    g_settings.polyLimit = 9;
    Open(
        [&stepped](QWidget* dialog) {
            Find<QPushButton>(dialog, kSettingsLowerPoly)->click();
            stepped = ReadButtons(dialog);
            Find<QCheckBox>(dialog, kSettingsLpfDelay)->setChecked(true);
        },
        1);
    EXPECT_EQ(stepped.field, "8");
    EXPECT_FALSE(stepped.lower);
    EXPECT_TRUE(stepped.raise);
    EXPECT_EQ(g.polyLimit.load(), 8);
    EXPECT_EQ(g.bLPFDelay.load(), 1);
    EXPECT_EQ(g_settings.bLPFDelay, 1);
}

TEST_F(SettingsDialogTest, QualityListHasFourEntriesPerDeviceWithEightBitAt22k) {
    platform::WaveOutNullDevices({0x10 | 0x100, 0x40 | 0x400, kEveryFormat});
    EXPECT_EQ(Entries(), QStringList({"22.05kHz/8Bit", "2M16 NotSupported", "44.1kHz/8Bit",
                                      "4M16 NotSupported", "22.05kHz/8Bit", "22.05kHz/16Bit",
                                      "44.1kHz/8Bit", "44.1kHz/16Bit"}));
    platform::WaveOutNullDevices({0x40 | 0x100 | 0x400});
    EXPECT_EQ(Entries(), QStringList({"WaveDevice Error"}));
    platform::WaveOutNullDevices({});
    EXPECT_EQ(Entries(), QStringList({"WaveDevice Error"}));
}

TEST_F(SettingsDialogTest, OkTakesTheQualityOnlyFromOneDevice) {
    platform::WaveOutNullDevices({kEveryFormat, kEveryFormat});
    g_settings.waveQuality = 1;
    Open([](QWidget* dialog) { Find<QComboBox>(dialog, kSettingsQuality)->setCurrentIndex(6); }, 1);
    EXPECT_EQ(g_settings.waveQuality, 1);  // and no message: the fixture counts unexpected boxes

    platform::WaveOutNullDevices({});
    Open([](QWidget*) {}, 1);
    EXPECT_EQ(g_settings.waveQuality, 1);

    platform::WaveOutNullDevices({kEveryFormat});
    g_settings.waveQuality = 7;  // stored by hand: the list shows no selection
    Open([](QWidget*) {}, 1);
    EXPECT_EQ(g_settings.waveQuality, 7);

    std::u16string shown;
    Open([](QWidget* dialog) { Find<QComboBox>(dialog, kSettingsQuality)->setCurrentIndex(3); }, 1,
         AnswerMessage(&shown));
    EXPECT_EQ(shown, u"SamplingFrequency was changed.\nPlease TESALO re-start.");
    EXPECT_EQ(g_settings.waveQuality, 3);
}

// PortAudio lists every ALSA device (here a second one besides the default); the sound card is
// one device all the same, so its four formats are listed once and OK takes the choice.
TEST_F(SettingsDialogTest, OnTheSoundCardTheQualityIsChosenFromOneDevice) {
    std::ofstream(folder_ + ".asoundrc")
        << "pcm.second { type file; slave.pcm \"null\"; file \"" << folder_ << "second.raw\" }\n"
        << "pcm.!default { type file; slave.pcm \"null\"; file \"" << folder_
        << "default.raw\" }\n";
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("HOME", folder_.c_str(), 1);  // PortAudio reads the ALSA configuration once, now
    platform::WaveOutUsePortAudio();
    const QStringList entries = Entries();
    std::u16string shown;
    Open([](QWidget* dialog) { Find<QComboBox>(dialog, kSettingsQuality)->setCurrentIndex(3); }, 1,
         AnswerMessage(&shown));
    platform::WaveOutUseNull(platform::NullPacing::kManual);
    setenv("HOME", home.c_str(), 1);

    EXPECT_EQ(entries,
              QStringList({"22.05kHz/8Bit", "22.05kHz/16Bit", "44.1kHz/8Bit", "44.1kHz/16Bit"}));
    EXPECT_EQ(shown, u"SamplingFrequency was changed.\nPlease TESALO re-start.");
    EXPECT_EQ(g_settings.waveQuality, 3);
}

TEST_F(SettingsDialogTest, WaveMapperChangeSaysSoOnce) {
    std::u16string shown;
    g_player.japaneseUi = true;
    QString form;
    Open(
        [&form](QWidget* dialog) {
            form = dialog->objectName();
            Find<QCheckBox>(dialog, kSettingsWaveMapper)->setChecked(true);
        },
        1, AnswerMessage(&shown));
    EXPECT_EQ(form, "id122");
    EXPECT_EQ(shown,
              u"WAVEMAPPERパラメータが変更されました。\n変更を有効にするために\nTesaloを再起動して"
              u"ください");
    EXPECT_EQ(g_settings.bWaveMapper, 1);
    Open([](QWidget*) {}, 1);  // unchanged: no second message
    EXPECT_EQ(g_settings.bWaveMapper, 1);
}

TEST_F(SettingsDialogTest, CancelChangesNothing) {
    g_settings.polyLimit = 20;
    const PlayerSettings before = g_settings;
    const std::int32_t libraryVoices = g.polyLimit.load();
    const std::int32_t libraryEffect = g.bLPFDelay.load();
    bool windowEnabled = true;
    Open(
        [this, &windowEnabled](QWidget* dialog) {
            windowEnabled = window_->isEnabled();
            Find<QPushButton>(dialog, kSettingsRaisePoly)->click();
            Find<QComboBox>(dialog, kSettingsQuality)->setCurrentIndex(2);
            for (int id :
                 {kSettingsChainPlay, kSettingsAutoRepeat, kSettingsLpfDelay, kSettingsWaveMapper})
                Find<QCheckBox>(dialog, id)->setChecked(true);
        },
        2);
    EXPECT_FALSE(windowEnabled);
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_EQ(std::memcmp(&before, &g_settings, sizeof before), 0);
    EXPECT_EQ(g.polyLimit.load(), libraryVoices);
    EXPECT_EQ(g.bLPFDelay.load(), libraryEffect);
}

}  // namespace
