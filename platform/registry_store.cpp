#include "platform/registry_store.h"

#include "platform/codepage.h"

namespace platform {
namespace {

char16_t FoldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

}  // namespace

bool SameRegistryName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

bool IsStorableText(std::u16string_view name) {
    if (name.find_first_of(std::u16string_view(u"\0\r\n", 3)) != std::u16string_view::npos) {
        return false;
    }
    // A lone surrogate would not survive the UTF-8 file.
    std::u16string text(name);
    return Utf8ToUtf16(Utf16ToUtf8(text)) == text;
}

bool IsRegistryPath(std::u16string_view path) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = path.find(u'\\', start);
        std::u16string_view name = path.substr(start, end - start);
        if (name.empty() || !IsStorableText(name)) return false;
        if (end == std::u16string_view::npos) return true;
        start = end + 1;
    }
}

std::size_t FindRegistryKey(const RegistryStore& store, std::u16string_view path) {
    for (std::size_t i = 0; i < store.keys.size(); ++i) {
        if (SameRegistryName(store.keys[i].path, path)) return i;
    }
    return kNoRegistryIndex;
}

std::size_t EnsureRegistryKey(RegistryStore& store, std::u16string_view path) {
    std::size_t index = kNoRegistryIndex;
    for (std::size_t end = 0; end <= path.size(); ++end) {
        if (end < path.size() && path[end] != u'\\') continue;
        std::u16string_view prefix = path.substr(0, end);
        index = FindRegistryKey(store, prefix);
        if (index == kNoRegistryIndex) {
            index = store.keys.size();
            store.keys.push_back(RegistryKeyRecord{std::u16string(prefix), {}, {}});
        }
    }
    return index;
}

const RegistryValueRecord* FindRegistryValue(const RegistryKeyRecord& key,
                                             std::u16string_view name) {
    for (const RegistryValueRecord& value : key.values) {
        if (SameRegistryName(value.name, name)) return &value;
    }
    return nullptr;
}

void PutRegistryValue(RegistryKeyRecord& key, RegistryValueRecord value) {
    for (RegistryValueRecord& old : key.values) {
        if (SameRegistryName(old.name, value.name)) {
            old.type = value.type;  // the name keeps the spelling it was stored under
            old.data = std::move(value.data);
            return;
        }
    }
    key.values.push_back(std::move(value));
}

}  // namespace platform
