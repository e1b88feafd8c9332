#include "player/model/settings.h"

#include <string>

#include "platform/registry.h"

PlayerSettings g_settings;

namespace {

constexpr char16_t kVendorName[] = u"Vantrel";
constexpr char16_t kProductKey[] = u"Tesalo";

struct SettingEntry {
    const char16_t* name;
    std::int32_t PlayerSettings::*field;
};

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
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 |
                                                                bytes[2] << 16) |
                                     static_cast<std::uint32_t>(bytes[3]) << 24);
}

int WriteDwordSetting(const char16_t* subkey, const char16_t* valueName, std::int32_t value) {
    platform::RegistryKey key = platform::kRegistryNoKey;
    if (valueName == nullptr || !OpenValueKey(subkey, &key)) return 0;
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(bits),
                                   static_cast<std::uint8_t>(bits >> 8),
                                   static_cast<std::uint8_t>(bits >> 16),
                                   static_cast<std::uint8_t>(bits >> 24)};
    int stored = platform::SetRegistryValue(key, valueName, platform::kRegistryDword, bytes,
                                            sizeof bytes);
    CloseValueKey(key);
    return stored;
}

void LoadSettings() {
    const PlayerSettings defaults;
    OpenVendorKey(kVendorName);
    for (const SettingEntry& entry : kSettingEntries) {
        g_settings.*entry.field = ReadDwordSetting(kProductKey, entry.name, defaults.*entry.field);
    }
    CloseVendorKey();
}

int SaveSettings() {
    OpenVendorKey(kVendorName);
    int stored = 1;
    for (const SettingEntry& entry : kSettingEntries) {
        stored &= WriteDwordSetting(kProductKey, entry.name, g_settings.*entry.field);
    }
    return FlushAndCloseVendorKey() & stored;
}

int ResetWaveQuality() {
    g_settings.waveQuality = 0;
    OpenVendorKey(kVendorName);
    const int stored = WriteDwordSetting(kProductKey, u"waveQuality", 0);
    return FlushAndCloseVendorKey() & stored;
}
