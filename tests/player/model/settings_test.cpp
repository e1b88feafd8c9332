#include "player/model/settings.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/registry.h"
#include "player/model/settings_failure.h"
#include "tests/platform/registry_support.h"

using namespace registrytest;

namespace {

std::u16string Utf16(const std::string& text) { return platform::Utf8ToUtf16(text); }

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";
const std::string kVendorKeys =
    "[HKEY_CURRENT_USER\\Software]\n\n"
    "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n";

// The product key as the player stores it: the ten values in its order, two of them given.
std::string ProductKey(const std::string& polyLimit, const std::string& waveQuality) {
    return "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
           "\"bChainPlay\"=dword:00000000\n"
           "\"bAutoRepeat\"=dword:00000000\n"
           "\"polyLimit\"=dword:" +
           polyLimit +
           "\n"
           "\"bLPFDelay\"=dword:00000000\n"
           "\"bWaveMapper\"=dword:00000000\n"
           "\"waveQuality\"=dword:" +
           waveQuality +
           "\n"
           "\"colTitle\"=dword:000000a0\n"
           "\"colTime\"=dword:00000028\n"
           "\"colFileTime\"=dword:0000008c\n"
           "\"masterVolume\"=dword:00000010\n\n";
}

// Counts the files renamed onto the store file's name from its creation on.
class StoreReplacements {
public:
    explicit StoreReplacements(const std::string& storePath)
        : name_(std::filesystem::path(storePath).filename()),
          watch_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        // Moves from the temporary names keep the moves to the store apart: the kernel merges
        // events that follow each other the same.
        inotify_add_watch(watch_, std::filesystem::path(storePath).parent_path().c_str(),
                          IN_MOVED_FROM | IN_MOVED_TO);
    }
    ~StoreReplacements() { close(watch_); }
    StoreReplacements(const StoreReplacements&) = delete;
    StoreReplacements& operator=(const StoreReplacements&) = delete;

    int Count() {
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = read(watch_, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if ((event->mask & IN_MOVED_TO) && event->len > 0 && event->name == name_) {
                    ++count_;
                }
                at += sizeof(inotify_event) + event->len;
            }
        }
        return count_;
    }

private:
    std::string name_;
    int watch_;
    int count_ = 0;
};

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        g_settings = PlayerSettings{7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
        g_windowMemory = WindowMemory{7, 7, 7, 7, 7, u"x"};
    }
    void TearDown() override { CloseVendorKey(); }
    TemporaryConfigHome home;
};

}  // namespace

TEST_F(Settings, AnEmptyStoreGivesTheDefaultsAndHoldsAllTenAfterSaving) {
    LoadSettings();
    const PlayerSettings& s = g_settings;
    EXPECT_EQ(
        (std::vector<int>{s.bChainPlay, s.bAutoRepeat, s.polyLimit, s.bLPFDelay, s.bWaveMapper,
                          s.waveQuality, s.colTitle, s.colTime, s.colFileTime, s.masterVolume}),
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

TEST_F(Settings, WithoutAPlaceForTheStoreSavesFailAndReadsGiveDefaults) {
    WriteText(home.Folder() + "/plain", "a file where a folder should be");
    home.PointAt(home.Folder() + "/plain/config");
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 16);
    EXPECT_EQ(SaveSettings(), 0);
    EXPECT_EQ(SettingsSaveFailure(false),
              u"The settings could not be saved.\n" + Utf16(home.Folder()) +
                  u"/plain/config/tesalo/registry.reg\n" + Utf16(std::strerror(ENOTDIR)));
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
    EXPECT_EQ(ResetWaveQuality(), 1);
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
        EXPECT_EQ(SaveSettings(), 0);
    }
    EXPECT_EQ(SettingsSaveFailure(false), u"The settings could not be saved.\n" +
                                              Utf16(home.StorePath()) + u"\n" +
                                              Utf16(std::strerror(EFBIG)));
    EXPECT_EQ(ReadText(home.StorePath()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(
                                std::filesystem::path(home.StorePath()).parent_path()),
                            std::filesystem::directory_iterator()),
              1)
        << "a temporary file is left";
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 24);
    EXPECT_EQ(g_settings.waveQuality, 2);
    g_settings.polyLimit = 30;
    EXPECT_EQ(SaveSettings(), 1);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kVendorKeys + ProductKey("0000001e", "00000002"));
}

// The player saves at exit, where it may be killed at any moment: one replacement of the file
// takes all ten values, so it never holds some of them new and some old.
TEST_F(Settings, TheTenValuesReachTheStoreInOneReplacement) {
    WriteText(home.StorePath(), kHeader + kVendorKeys + ProductKey("00000018", "00000002"));
    LoadSettings();
    g_settings.polyLimit = 30;
    g_settings.waveQuality = 3;
    StoreReplacements replacements(home.StorePath());
    EXPECT_EQ(SaveSettings(), 1);
    EXPECT_EQ(replacements.Count(), 1);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kVendorKeys + ProductKey("0000001e", "00000003"));
}

// A store over 16 MB, or one that cannot be read, is not read: the player runs on the
// defaults, and the file, which may hold what matters to someone, is never written over. The
// user hears of it.
TEST_F(Settings, AStoreThatCannotBeReadIsNeverWrittenOverAndTheSaveSaysWhy) {
    const std::string huge = kHeader + std::string(17 << 20, ';');
    WriteText(home.StorePath(), huge);
    LoadSettings();
    EXPECT_EQ(g_settings.polyLimit, 16);
    g_settings.polyLimit = 30;
    EXPECT_EQ(SaveSettings(), 0);
    EXPECT_EQ(ResetWaveQuality(), 0);
    EXPECT_TRUE(ReadText(home.StorePath()) == huge);
    EXPECT_EQ(SettingsSaveFailure(false), u"The settings could not be saved.\n" +
                                              Utf16(home.StorePath()) +
                                              u"\nIt is larger than 16 MB and was not read.");
    EXPECT_EQ(SettingsSaveFailure(true), u"設定を保存できません\n" + Utf16(home.StorePath()) +
                                             u"\n16 MB を超えるため読み込んでいません");

    std::filesystem::remove(home.StorePath());
    std::filesystem::create_directory(home.StorePath());
    EXPECT_EQ(SaveSettings(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(home.StorePath()));
    EXPECT_EQ(SettingsSaveFailure(false),
              u"The settings could not be saved.\n" + Utf16(home.StorePath()) +
                  u"\nIt could not be read: " + Utf16(std::strerror(EISDIR)));
}

// The player killed while it writes the store: the next start finds every old value, and the
// start's clean-up removes what the killed write left.
TEST_F(Settings, ASaveKilledWhileWritingLeavesTheOldValuesAndALeftoverTheStartRemoves) {
    const std::string old = kHeader + kVendorKeys + ProductKey("00000018", "00000002");
    WriteText(home.StorePath(), old);
    const int signal = DiesWritingPast(old.size() / 2, [] {
        LoadSettings();
        g_settings.polyLimit = 30;
        g_settings.waveQuality = 3;
        SaveSettings();
    });
    EXPECT_EQ(signal, SIGXFSZ);
    EXPECT_EQ(ReadText(home.StorePath()), old);
    const std::filesystem::path folder = std::filesystem::path(home.StorePath()).parent_path();
    const auto count = [&folder] {
        return std::distance(std::filesystem::directory_iterator(folder), {});
    };
    EXPECT_EQ(count(), 2) << "the killed write's temporary file";
    platform::RemoveStaleRegistryFiles();
    EXPECT_EQ(count(), 1);
}

// Where the window was and which list it showed, kept beside the ten values: a store without
// them gives "none known", and a save that knows none writes the ten values alone.
TEST_F(Settings, WithoutAKnownWindowPlaceOrListTheStoreHoldsNoneOfThem) {
    WriteText(home.StorePath(), kHeader + kVendorKeys + ProductKey("00000018", "00000000"));
    LoadSettings();
    EXPECT_EQ((std::vector<int>{g_windowMemory.windowX, g_windowMemory.windowY,
                                g_windowMemory.windowWidth, g_windowMemory.windowHeight,
                                g_windowMemory.windowMaximized}),
              (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_EQ(g_windowMemory.lastSongList, u"");
    EXPECT_EQ(SaveSettings(), 1);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kVendorKeys + ProductKey("00000018", "00000000"));
}

TEST_F(Settings, TheWindowPlaceAndTheLastListGoInTheSameSaveAndComeBack) {
    WriteText(home.StorePath(), kHeader + kVendorKeys + ProductKey("00000010", "00000000"));
    LoadSettings();
    g_windowMemory.windowX = -50;
    g_windowMemory.windowY = 30;
    g_windowMemory.windowWidth = 800;
    g_windowMemory.windowHeight = 600;
    g_windowMemory.windowMaximized = 0;
    g_windowMemory.lastSongList = u"snglst002.lst";
    StoreReplacements replacements(home.StorePath());
    EXPECT_EQ(SaveSettings(), 1);
    EXPECT_EQ(replacements.Count(), 1);
    std::string product = ProductKey("00000010", "00000000");
    product.insert(product.size() - 1,
                   "\"windowX\"=dword:ffffffce\n"
                   "\"windowY\"=dword:0000001e\n"
                   "\"windowWidth\"=dword:00000320\n"
                   "\"windowHeight\"=dword:00000258\n"
                   "\"windowMaximized\"=dword:00000000\n"
                   "\"lastSongList\"=\"snglst002.lst\"\n");
    EXPECT_EQ(ReadText(home.StorePath()), kHeader + kVendorKeys + product);
    g_windowMemory = WindowMemory{};
    LoadSettings();
    EXPECT_EQ((std::vector<int>{g_windowMemory.windowX, g_windowMemory.windowY,
                                g_windowMemory.windowWidth, g_windowMemory.windowHeight,
                                g_windowMemory.windowMaximized}),
              (std::vector<int>{-50, 30, 800, 600, 0}));
    EXPECT_EQ(g_windowMemory.lastSongList, u"snglst002.lst");
}

// A damaged store: a list name of another type, too long or of an odd byte count gives no list.
TEST_F(Settings, ALastListThatIsNoPlainShortTextGivesNone) {
    for (const std::string& value :
         {std::string("dword:00000002"), std::string("hex:61,00,62,00"),
          "\"" + std::string(600, 'a') + "\"", std::string("hex(1):61,00,62")}) {
        WriteText(home.StorePath(), kHeader +
                                        "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                                        "\"lastSongList\"=" +
                                        value + "\n");
        g_windowMemory.lastSongList = u"x";
        LoadSettings();
        EXPECT_EQ(g_windowMemory.lastSongList, u"") << value;
    }
}
