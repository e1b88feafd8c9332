// The settings store's text: any bytes parse, and what is written from a parsed store parses to
// the same keys and values, so that a damaged file loses nothing readable on the next save.
// (Lines that cannot be read are kept as text, and may move or lose a stray CR; a damaged line
// that only a stray CR before its CR LF spoiled reads as good once written back with LF.)
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_text.h"

namespace {

bool SameValues(const platform::RegistryKeyRecord& a, const platform::RegistryKeyRecord& b) {
    if (a.path != b.path || a.values.size() != b.values.size()) return false;
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        const auto& x = a.values[i];
        const auto& y = b.values[i];
        if (x.name != y.name || x.type != y.type || x.data != y.data) return false;
    }
    return true;
}

bool EndsInCarriageReturn(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') return true;
    }
    return false;
}

bool KeepsCarriageReturns(const platform::RegistryStore& store) {
    if (EndsInCarriageReturn(store.keptLines)) return true;
    for (const platform::RegistryKeyRecord& key : store.keys) {
        if (EndsInCarriageReturn(key.keptLines)) return true;
    }
    return false;
}

bool SameStore(const platform::RegistryStore& a, const platform::RegistryStore& b) {
    if (a.keys.size() != b.keys.size()) return false;
    for (std::size_t i = 0; i < a.keys.size(); ++i) {
        if (!SameValues(a.keys[i], b.keys[i])) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const platform::RegistryStore store = platform::ParseRegistryText(text);
    const platform::RegistryStore again =
        platform::ParseRegistryText(platform::FormatRegistryText(store));
    if (!KeepsCarriageReturns(store) && !SameStore(store, again)) std::abort();
    return 0;
}
