#include "player/data/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/platform/registry_support.h"

using namespace registrytest;

namespace {

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";
const std::string kVendorKeys =
    "[HKEY_CURRENT_USER\\Software]\n\n"
    "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n";

// The product key as the player stores it: the ten values in its order, two of them given.
std::string ProductKey(const std::string& polyLimit, const std::string& waveQuality) {
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

class Settings : public ::testing::Test {
protected:
    void SetUp() override { g_settings = PlayerSettings{7, 7, 7, 7, 7, 7, 7, 7, 7, 7}; }
    void TearDown() override { CloseVendorKey(); }
    TemporaryConfigHome home;
};

}  // namespace

TEST_F(Settings, AnEmptyStoreGivesTheDefaultsAndHoldsAllTenAfterSaving) {
    LoadSettings();
    const PlayerSettings& s = g_settings;
    EXPECT_EQ((std::vector<int>{s.bChainPlay, s.bAutoRepeat, s.polyLimit, s.bLPFDelay,
                                s.bWaveMapper, s.waveQuality, s.colTitle, s.colTime,
                                s.colFileTime, s.masterVolume}),
              (std::vector<int>{0, 0, 16, 0, 0, 0, 160, 40, 140, 16}));
    EXPECT_FALSE(std::filesystem::exists(home.StorePath())) << "loading writes nothing";
    SaveSettings();
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kVendorKeys + ProductKey("00000010", "00000000"));
}

TEST_F(Settings, StoredValuesAreTakenAsTheirBytesWithoutRangeChecks) {
    WriteText(home.StorePath(), kHeader +
                                    "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                                    "\"polyLimit\"=dword:00000063\n"
                                    "\"colFileTime\"=dword:ffffffff\n"
                                    "\"masterVolume\"=\"loud\"\n"           // 10 bytes
                                    "\"colTitle\"=hex:2c,01\n"              // 2 bytes
                                    "\"bWaveMapper\"=\"a\"\n"               // 61 00 00 00
                                    "\"waveQuality\"=hex:01,00,00,00,00\n"  // 5 bytes
                                    "\"colTime\"=hex(b):05,00,00,00,00,00,00,00\n");
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 99);
    EXPECT_EQ(g_settings.colFileTime, -1);
    EXPECT_EQ(g_settings.masterVolume, 16);
    EXPECT_EQ(g_settings.colTitle, 300);
    EXPECT_EQ(g_settings.bWaveMapper, 97);
    EXPECT_EQ(g_settings.waveQuality, 0);
    EXPECT_EQ(g_settings.colTime, 40);
}

TEST_F(Settings, SavingKeepsWhatThePlayerDoesNotKnow) {
    const std::string elsewhere =
        "[HKEY_CURRENT_USER\\Software]\n\n"
        "[HKEY_CURRENT_USER\\Software\\Elsewhere]\n"
        "\"path\"=\"D:\\\\music\"\n\n"
        "[HKEY_CURRENT_USER\\Software\\Vantrel]\n"
        "\"owner\"=hex:01\n\n";
    WriteText(home.StorePath(), kHeader + elsewhere +
                                    "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                                    "\"future\"=dword:00000002\n\n");
    LoadSettings();
    g_settings.polyLimit = 24;
    SaveSettings();
    std::string product = ProductKey("00000018", "00000000");
    product.insert(product.find('\n') + 1, "\"future\"=dword:00000002\n");
    EXPECT_EQ(ReadText(home.StorePath()), kHeader + elsewhere + product);
}

TEST_F(Settings, WithoutAPlaceForTheStoreWritesFailAndReadsGiveDefaults) {
    WriteText(home.Folder() + "/plain", "a file where a folder should be");
    home.PointAt(home.Folder() + "/plain/config");
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 16);
    ASSERT_EQ(OpenVendorKey(u"Vantrel"), 1);
    EXPECT_EQ(WriteDwordSetting(u"Tesalo", u"polyLimit", 30), 0);
}

TEST_F(Settings, OneVendorKeyAtATime) {
    EXPECT_EQ(WriteDwordSetting(u"Tesalo", u"polyLimit", 24), 0);
    EXPECT_EQ(OpenVendorKey(u""), 0);
    ASSERT_EQ(OpenVendorKey(u"Vantrel"), 1);
    EXPECT_EQ(OpenVendorKey(u"Other"), 0);
    EXPECT_EQ(WriteDwordSetting(u"Tesalo", u"polyLimit", 24), 1);  // the first key is still open
    EXPECT_EQ(ReadDwordSetting(u"Tesalo", u"polyLimit", 12), 24);
    EXPECT_EQ(WriteDwordSetting(nullptr, u"inVendorKey", 5), 1);
    EXPECT_EQ(WriteDwordSetting(u"", u"polyLimit", 25), 0);
    CloseVendorKey();
    EXPECT_EQ(ReadDwordSetting(u"Tesalo", u"polyLimit", 12), 12);
    EXPECT_EQ(ReadText(home.StorePath()), kHeader +
                                              "[HKEY_CURRENT_USER\\Software]\n\n"
                                              "[HKEY_CURRENT_USER\\Software\\Vantrel]\n"
                                              "\"inVendorKey\"=dword:00000005\n\n"
                                              "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                                              "\"polyLimit\"=dword:00000018\n\n");
}

TEST_F(Settings, TheWaveQualityResetWritesThatValueAloneAtOnce) {
    WriteText(home.StorePath(), kHeader + kVendorKeys + ProductKey("00000018", "00000003"));
    LoadSettings();
    g_settings.polyLimit = 30;  // changed in memory: not written before exit
    ResetWaveQuality();
    EXPECT_EQ(g_settings.waveQuality, 0);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kVendorKeys + ProductKey("00000018", "00000000"));
}

// The disk fills while the player saves at exit: the store keeps its last whole text, so the
// next start reads the old values, and a save with room writes the new ones.
TEST_F(Settings, AFullDiskWhileSavingKeepsTheOldStoreReadable) {
    const std::string old = kHeader + kVendorKeys + ProductKey("00000018", "00000002");
    WriteText(home.StorePath(), old);
    LoadSettings();
    g_settings.polyLimit = 30;
    g_settings.waveQuality = 3;
    {
        FullDisk disk(old.size() / 2);
        SaveSettings();
    }
    CloseVendorKey();
    EXPECT_EQ(ReadText(home.StorePath()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(std::filesystem::path(home.StorePath()).parent_path()),
                            std::filesystem::directory_iterator()),
              1) << "a temporary file is left";
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 24);
    EXPECT_EQ(g_settings.waveQuality, 2);
    g_settings.polyLimit = 30;
    SaveSettings();
    CloseVendorKey();
    EXPECT_EQ(ReadText(home.StorePath()), kHeader + kVendorKeys + ProductKey("0000001e", "00000002"));
}
