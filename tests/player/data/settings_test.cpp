#include "player/data/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/registry_support.h"

using registrytest::FullDisk;
using registrytest::ReadText;
using registrytest::TemporaryConfigHome;
using registrytest::WriteText;

namespace {

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";
const std::string kVendorSections =
    "[HKEY_CURRENT_USER\\Software]\n\n"
    "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n";

// The ten settings as the player stores them, in its order, from these numbers.
std::string ProductSection(const std::string& polyLimit, const std::string& waveQuality) {
    return "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
           "\"bChainPlay\"=dword:00000000\n"
           "\"bAutoRepeat\"=dword:00000000\n"
           "\"polyLimit\"=dword:" + polyLimit + "\n"
           "\"bLPFDelay\"=dword:00000000\n"
           "\"bWaveMapper\"=dword:00000000\n"
           "\"waveQuality\"=dword:" + waveQuality + "\n"
           "\"colTitle\"=dword:000000a0\n"
           "\"colTime\"=dword:00000028\n"
           "\"colFileTime\"=dword:0000008c\n"
           "\"masterVolume\"=dword:00000010\n\n";
}

void FillWith(PlayerSettings& settings, std::int32_t value) {
    settings = PlayerSettings{value, value, value, value, value,
                              value, value, value, value, value};
}

// Each test leaves no vendor key open behind it.
class Settings : public ::testing::Test {
protected:
    void TearDown() override { CloseVendorKey(); }
    TemporaryConfigHome home;
};

}  // namespace

TEST_F(Settings, AnEmptyStoreGivesTheDefaultsAndTakesAllTenAtExit) {
    FillWith(g_settings, 7);
    LoadSettings();
    EXPECT_EQ(g_settings.bChainPlay, 0);
    EXPECT_EQ(g_settings.bAutoRepeat, 0);
    EXPECT_EQ(g_settings.polyLimit, 16);
    EXPECT_EQ(g_settings.bLPFDelay, 0);
    EXPECT_EQ(g_settings.bWaveMapper, 0);
    EXPECT_EQ(g_settings.waveQuality, 0);
    EXPECT_EQ(g_settings.colTitle, 160);
    EXPECT_EQ(g_settings.colTime, 40);
    EXPECT_EQ(g_settings.colFileTime, 140);
    EXPECT_EQ(g_settings.masterVolume, 16);
    EXPECT_FALSE(std::filesystem::exists(home.StorePath())) << "loading writes nothing";

    SaveSettings();
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kVendorSections + ProductSection("00000010", "00000000"));
}

TEST_F(Settings, StoredValuesAreTakenAsTheirBytesWithoutRangeChecks) {
    WriteText(home.StorePath(),
              kHeader +
                  "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                  "\"polyLimit\"=dword:00000063\n"
                  "\"colFileTime\"=dword:ffffffff\n"
                  "\"masterVolume\"=\"loud\"\n"                // 10 bytes of UTF-16
                  "\"colTitle\"=hex:2c,01\n"                   // 2 bytes
                  "\"bWaveMapper\"=\"a\"\n"                    // 61 00 00 00: 4 bytes
                  "\"waveQuality\"=hex:01,00,00,00,00\n"       // 5 bytes
                  "\"colTime\"=hex(b):05,00,00,00,00,00,00,00\n");
    FillWith(g_settings, 7);
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 99);
    EXPECT_EQ(g_settings.colFileTime, -1);
    EXPECT_EQ(g_settings.masterVolume, 16);
    EXPECT_EQ(g_settings.colTitle, 300);
    EXPECT_EQ(g_settings.bWaveMapper, 97);
    EXPECT_EQ(g_settings.waveQuality, 0);
    EXPECT_EQ(g_settings.colTime, 40);
    EXPECT_EQ(g_settings.bChainPlay, 0);
}

TEST_F(Settings, SavingKeepsWhatThePlayerDoesNotKnow) {
    const std::string elsewhere =
        "[HKEY_CURRENT_USER\\Software\\Elsewhere]\n"
        "\"path\"=\"D:\\\\music\"\n\n";
    WriteText(home.StorePath(),
              kHeader + "[HKEY_CURRENT_USER\\Software]\n\n" + elsewhere +
                  "[HKEY_CURRENT_USER\\Software\\Vantrel]\n"
                  "\"owner\"=hex:01\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                  "\"future\"=dword:00000002\n\n");
    LoadSettings();
    g_settings.polyLimit = 24;
    SaveSettings();
    std::string product = ProductSection("00000018", "00000000");
    product.insert(product.find('\n') + 1, "\"future\"=dword:00000002\n");
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + "[HKEY_CURRENT_USER\\Software]\n\n" + elsewhere +
                  "[HKEY_CURRENT_USER\\Software\\Vantrel]\n"
                  "\"owner\"=hex:01\n\n" +
                  product);
}

TEST_F(Settings, AWriteThatCannotReachTheDiskFailsAndKeepsTheOldFile) {
    const std::string old = kHeader + kVendorSections + ProductSection("00000014", "00000002");
    WriteText(home.StorePath(), old);
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 20);
    g_settings.polyLimit = 30;
    {
        FullDisk disk(old.size() / 2);
        ASSERT_EQ(OpenVendorKey(u"Vantrel"), 1);
        EXPECT_EQ(WriteDwordSetting(u"Tesalo", u"polyLimit", 30), 0);
        CloseVendorKey();
        SaveSettings();
    }
    EXPECT_EQ(ReadText(home.StorePath()), old);

    // A store folder that cannot be made: defaults in, nothing out.
    WriteText(home.Folder() + "/plain", "x");
    home.PointAt(home.Folder() + "/plain/config");
    FillWith(g_settings, 7);
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 16);
    ASSERT_EQ(OpenVendorKey(u"Vantrel"), 1);
    EXPECT_EQ(WriteDwordSetting(u"Tesalo", u"polyLimit", 30), 0);
}

TEST_F(Settings, OneVendorKeyAtATime) {
    EXPECT_EQ(ReadDwordSetting(u"Tesalo", u"polyLimit", 12), 12);
    EXPECT_EQ(WriteDwordSetting(u"Tesalo", u"polyLimit", 24), 0);
    EXPECT_EQ(OpenVendorKey(u""), 0);

    ASSERT_EQ(OpenVendorKey(u"Vantrel"), 1);
    EXPECT_EQ(OpenVendorKey(u"Other"), 0);
    // The first key is still the open one.
    EXPECT_EQ(WriteDwordSetting(u"Tesalo", u"polyLimit", 24), 1);
    EXPECT_EQ(ReadDwordSetting(u"Tesalo", u"polyLimit", 12), 24);
    EXPECT_EQ(WriteDwordSetting(nullptr, u"inVendorKey", 5), 1);
    EXPECT_EQ(WriteDwordSetting(u"", u"polyLimit", 25), 0);
    EXPECT_EQ(ReadDwordSetting(u"", u"polyLimit", 12), 12);
    CloseVendorKey();
    EXPECT_EQ(ReadDwordSetting(u"Tesalo", u"polyLimit", 12), 12);

    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader +
                  "[HKEY_CURRENT_USER\\Software]\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vantrel]\n"
                  "\"inVendorKey\"=dword:00000005\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                  "\"polyLimit\"=dword:00000018\n\n");
}

TEST_F(Settings, TheWaveQualityResetWritesOnlyThatValueAtOnce) {
    WriteText(home.StorePath(), kHeader + kVendorSections + ProductSection("00000018", "00000003"));
    LoadSettings();
    EXPECT_EQ(g_settings.waveQuality, 3);
    g_settings.polyLimit = 30;  // changed in memory, not to be written before exit
    ResetWaveQuality();
    EXPECT_EQ(g_settings.waveQuality, 0);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kVendorSections + ProductSection("00000018", "00000000"));
}
