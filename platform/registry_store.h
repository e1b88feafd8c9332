// The registry's contents in memory, as read from and written to the store file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct RegistryValueRecord {
    std::u16string name;  // empty: the key's default value
    std::uint32_t type;
    std::vector<std::uint8_t> data;
};

struct RegistryKeyRecord {
    std::u16string path;                      // below the root; empty for the root itself
    std::vector<RegistryValueRecord> values;  // in file order, new ones at the end
    std::vector<std::string> keptLines;       // lines of its section that could not be read
};

struct RegistryStore {
    std::vector<std::string> keptLines;   // unreadable lines before the first key
    std::vector<RegistryKeyRecord> keys;  // in file order, new ones at the end
};

constexpr std::size_t kNoRegistryIndex = static_cast<std::size_t>(-1);

// Names compare as the registry compares them: ASCII letters without regard to case.
bool SameRegistryName(std::u16string_view a, std::u16string_view b);
// A name or string the store file can hold as text: no zero, CR or LF, whole UTF-16.
bool IsStorableText(std::u16string_view name);
// One or more storable, non-empty names separated by single backslashes.
bool IsRegistryPath(std::u16string_view path);

// The index of the key at path, or kNoRegistryIndex.
std::size_t FindRegistryKey(const RegistryStore& store, std::u16string_view path);
// The index of the key at path, adding it and its missing parents at the end.
std::size_t EnsureRegistryKey(RegistryStore& store, std::u16string_view path);
const RegistryValueRecord* FindRegistryValue(const RegistryKeyRecord& key,
                                             std::u16string_view name);
// Replaces the type and data of the value of the same name in place, or adds it at the end.
void PutRegistryValue(RegistryKeyRecord& key, RegistryValueRecord value);

}  // namespace platform
