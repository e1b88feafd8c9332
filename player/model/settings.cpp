#include "player/model/settings.h"

#include <string>
#include <string_view>

#include "platform/registry.h"

PlayerSettings g_settings;
WindowMemory g_windowMemory;

namespace {

constexpr char16_t kVendorName[] = u"Vantrel";
constexpr char16_t kProductKey[] = u"Tesalo";

template <typename Record>
struct DwordEntry {
    const char16_t* name;
    std::int32_t Record::*field;
};
using SettingEntry = DwordEntry<PlayerSettings>;

// Load and save order.
constexpr SettingEntry kSettingEntries[] = {
    {u"bChainPlay", &PlayerSettings::bChainPlay},
    {u"bAutoRepeat", &PlayerSettings::bAutoRepeat},
    {u"polyLimit", &PlayerSettings::polyLimit},
    {u"bLPFDelay", &PlayerSettings::bLPFDelay},
    {u"bWaveMapper", &PlayerSettings::bWaveMapper},
    {u"waveQuality", &PlayerSettings::waveQuality},
    {u"colTitle", &PlayerSettings::colTitle},
    {u"colTime", &PlayerSettings::colTime},
    {u"colFileTime", &PlayerSettings::colFileTime},
    {u"masterVolume", &PlayerSettings::masterVolume},
};

// Written only when the window's place is known (windowWidth not 0).
constexpr DwordEntry<WindowMemory> kWindowEntries[] = {
    {u"windowX", &WindowMemory::windowX},
    {u"windowY", &WindowMemory::windowY},
    {u"windowWidth", &WindowMemory::windowWidth},
    {u"windowHeight", &WindowMemory::windowHeight},
    {u"windowMaximized", &WindowMemory::windowMaximized},
};

constexpr char16_t kLastSongListName[] = u"lastSongList";
// The longest list file name taken, its terminating zero included.
constexpr std::size_t kLastSongListCapacity = 262;

platform::RegistryKey vendorKey = platform::kRegistryNoKey;

// The key a value lives in: the subkey below the vendor key, or the vendor key itself.
int OpenValueKey(const char16_t* subkey, platform::RegistryKey* key) {
    if (vendorKey == platform::kRegistryNoKey) return 0;
    if (subkey == nullptr) {
        *key = vendorKey;
        return 1;
    }
    return platform::CreateRegistryKey(vendorKey, subkey, key);
}

void CloseValueKey(platform::RegistryKey key) {
    if (key != vendorKey) platform::CloseRegistryKey(key);
}

// Writes the values set so far in one replacement of the file, then lets the store go.
int FlushAndCloseVendorKey() {
    const int written =
        vendorKey != platform::kRegistryNoKey && platform::FlushRegistryKey(vendorKey);
    CloseVendorKey();
    return written;
}

// The string value's text up to its first zero; empty when it is missing, of another type, of
// an odd size or longer than kLastSongListCapacity.
std::u16string ReadStringSetting(const char16_t* subkey, const char16_t* valueName) {
    platform::RegistryKey key = platform::kRegistryNoKey;
    if (!OpenValueKey(subkey, &key)) return {};
    char16_t text[kLastSongListCapacity] = {};
    std::uint32_t size = sizeof text;
    std::uint32_t type = 0;
    const int found = platform::QueryRegistryValue(key, valueName, &type, text, &size);
    CloseValueKey(key);
    if (!found || type != platform::kRegistryString || size % 2 != 0) return {};
    const std::u16string_view stored(text, size / 2);
    return std::u16string(stored.substr(0, stored.find(u'\0')));
}

// Stores text with its terminating zero as a string value; 1/0 as WriteDwordSetting.
int WriteStringSetting(const char16_t* subkey, const char16_t* valueName,
                       const std::u16string& text) {
    platform::RegistryKey key = platform::kRegistryNoKey;
    if (!OpenValueKey(subkey, &key)) return 0;
    const auto size = static_cast<std::uint32_t>((text.size() + 1) * sizeof(char16_t));
    const int stored =
        platform::SetRegistryValue(key, valueName, platform::kRegistryString, text.c_str(), size);
    CloseValueKey(key);
    return stored;
}

template <typename Record, std::size_t count>
void ReadDwordEntries(const DwordEntry<Record> (&entries)[count], Record* record) {
    const Record defaults;
    for (const DwordEntry<Record>& entry : entries) {
        record->*entry.field = ReadDwordSetting(kProductKey, entry.name, defaults.*entry.field);
    }
}

template <typename Record, std::size_t count>
int WriteDwordEntries(const DwordEntry<Record> (&entries)[count], const Record& record) {
    int stored = 1;
    for (const DwordEntry<Record>& entry : entries) {
        stored &= WriteDwordSetting(kProductKey, entry.name, record.*entry.field);
    }
    return stored;
}

}  // namespace

int OpenVendorKey(const char16_t* vendorName) {
    if (vendorKey != platform::kRegistryNoKey || vendorName == nullptr) return 0;
    std::u16string path = std::u16string(u"Software\\") + vendorName;
    return platform::CreateRegistryKey(platform::kRegistryCurrentUser, path, &vendorKey);
}

void CloseVendorKey() {
    if (vendorKey == platform::kRegistryNoKey) return;
    platform::CloseRegistryKey(vendorKey);
    vendorKey = platform::kRegistryNoKey;
}

std::int32_t ReadDwordSetting(const char16_t* subkey, const char16_t* valueName,
                              std::int32_t defaultValue) {
    platform::RegistryKey key = platform::kRegistryNoKey;
    if (valueName == nullptr || !OpenValueKey(subkey, &key)) return defaultValue;
    // A shorter value of another type is read as its bytes over zeros.
    std::uint8_t bytes[4] = {};
    std::uint32_t size = sizeof bytes;
    int found = platform::QueryRegistryValue(key, valueName, nullptr, bytes, &size);
    CloseValueKey(key);
    if (!found) return defaultValue;
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16) |
        static_cast<std::uint32_t>(bytes[3]) << 24);
}

int WriteDwordSetting(const char16_t* subkey, const char16_t* valueName, std::int32_t value) {
    platform::RegistryKey key = platform::kRegistryNoKey;
    if (valueName == nullptr || !OpenValueKey(subkey, &key)) return 0;
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
        static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    int stored =
        platform::SetRegistryValue(key, valueName, platform::kRegistryDword, bytes, sizeof bytes);
    CloseValueKey(key);
    return stored;
}

void LoadSettings() {
    OpenVendorKey(kVendorName);
    ReadDwordEntries(kSettingEntries, &g_settings);
    ReadDwordEntries(kWindowEntries, &g_windowMemory);
    g_windowMemory.lastSongList = ReadStringSetting(kProductKey, kLastSongListName);
    CloseVendorKey();
}

int SaveSettings() {
    OpenVendorKey(kVendorName);
    int stored = WriteDwordEntries(kSettingEntries, g_settings);
    if (g_windowMemory.windowWidth != 0)
        stored &= WriteDwordEntries(kWindowEntries, g_windowMemory);
    if (!g_windowMemory.lastSongList.empty()) {
        stored &= WriteStringSetting(kProductKey, kLastSongListName, g_windowMemory.lastSongList);
    }
    return FlushAndCloseVendorKey() & stored;
}

int ResetWaveQuality() {
    g_settings.waveQuality = 0;
    OpenVendorKey(kVendorName);
    const int stored = WriteDwordSetting(kProductKey, u"waveQuality", 0);
    return FlushAndCloseVendorKey() & stored;
}
