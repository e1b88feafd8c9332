#include "platform/registry.h"

#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_file.h"
#include "platform/registry_store.h"
#include "platform/registry_text.h"

namespace platform {
namespace {

// An open key's record is always in the store: keys are only added while the store lives.
struct OpenKey {
    RegistryKey id;
    std::u16string path;
};

// The store lives while any key is open; the file it came from is the one it goes back to,
// whatever the environment says meanwhile.
struct RegistryState {
    std::mutex lock;
    std::string filePath;
    RegistryStore store;
    bool unwritten = false;  // the store holds values the file does not
    std::vector<OpenKey> openKeys;
    RegistryKey nextId = kRegistryCurrentUser + 1;
    RegistryFileError lastError;
};

RegistryState& State() {
    static RegistryState state;
    return state;
}

const OpenKey* FindOpenKey(const RegistryState& state, RegistryKey key) {
    for (const OpenKey& open : state.openKeys) {
        if (open.id == key) return &open;
    }
    return nullptr;
}

// The path of a parent for CreateRegistryKey: the root or an open key.
std::optional<std::u16string> ParentPath(const RegistryState& state, RegistryKey parent) {
    if (parent == kRegistryCurrentUser) return std::u16string();
    const OpenKey* open = FindOpenKey(state, parent);
    if (open == nullptr) return std::nullopt;
    return open->path;
}

int LoadStore(RegistryState& state) {
    std::string path = RegistryFilePath();
    std::string text;
    int error = ENOENT;
    if (path.empty() || !ReadRegistryFile(path, &text, &error)) {
        state.lastError = RegistryFileError{kRegistryFileUnread, error, path};
        return 0;
    }
    state.filePath = path;
    state.store = ParseRegistryText(text);
    state.lastError = RegistryFileError();
    return 1;
}

int WriteStore(RegistryState& state) {
    int error = 0;
    if (!WriteRegistryFile(state.filePath, FormatRegistryText(state.store), &error)) {
        state.lastError = RegistryFileError{kRegistryFileUnwritten, error, state.filePath};
        return 0;
    }
    state.unwritten = false;
    state.lastError = RegistryFileError();
    return 1;
}

}  // namespace

int CreateRegistryKey(RegistryKey parent, std::u16string_view path, RegistryKey* key) {
    if (key == nullptr) return 0;
    *key = kRegistryNoKey;
    RegistryState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    std::optional<std::u16string> parentPath = ParentPath(state, parent);
    if (!parentPath || !IsRegistryPath(path)) return 0;
    if (state.openKeys.empty() && !LoadStore(state)) return 0;
    std::u16string fullPath =
        parentPath->empty() ? std::u16string(path) : *parentPath + u'\\' + std::u16string(path);
    EnsureRegistryKey(state.store, fullPath);
    *key = state.nextId++;
    state.openKeys.push_back(OpenKey{*key, fullPath});
    return 1;
}

int QueryRegistryValue(RegistryKey key, std::u16string_view name, std::uint32_t* type, void* data,
                       std::uint32_t* size) {
    RegistryState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    const OpenKey* open = FindOpenKey(state, key);
    if (open == nullptr || size == nullptr || data == nullptr) return 0;
    const RegistryKeyRecord& record = state.store.keys[FindRegistryKey(state.store, open->path)];
    const RegistryValueRecord* value = FindRegistryValue(record, name);
    if (value == nullptr) return 0;
    if (type != nullptr) *type = value->type;
    std::uint32_t capacity = *size;
    *size = static_cast<std::uint32_t>(value->data.size());
    if (value->data.size() > capacity) return 0;
    if (!value->data.empty()) std::memcpy(data, value->data.data(), value->data.size());
    return 1;
}

int SetRegistryValue(RegistryKey key, std::u16string_view name, std::uint32_t type,
                     const void* data, std::uint32_t size) {
    RegistryState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    const OpenKey* open = FindOpenKey(state, key);
    if (open == nullptr || !IsStorableText(name) || (size > 0 && data == nullptr)) return 0;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    RegistryValueRecord value{std::u16string(name), type, {bytes, bytes + size}};
    PutRegistryValue(state.store.keys[FindRegistryKey(state.store, open->path)], std::move(value));
    state.unwritten = true;
    return 1;
}

int FlushRegistryKey(RegistryKey key) {
    RegistryState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    if (FindOpenKey(state, key) == nullptr) return 0;
    return !state.unwritten || WriteStore(state) ? 1 : 0;
}

void CloseRegistryKey(RegistryKey key) {
    RegistryState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    std::erase_if(state.openKeys, [key](const OpenKey& open) { return open.id == key; });
    if (state.openKeys.empty()) {
        if (state.unwritten) WriteStore(state);
        state.store = RegistryStore();
        state.filePath.clear();
        state.unwritten = false;
    }
}

RegistryFileError LastRegistryFileError() {
    RegistryState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    return state.lastError;
}

void RemoveStaleRegistryFiles() {
    RegistryState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);  // not while this process writes the store
    const std::string path = RegistryFilePath();
    if (!path.empty()) RemoveRegistryTemporaries(path);
}

}  // namespace platform
