// The per-user registry: keys below the current user's root, each holding named values of a
// type (DWORD, string, binary, or any other number) and their bytes.
//
// The store is one text file, ${XDG_CONFIG_HOME:-$HOME/.config}/tesalo/registry.reg, in the
// registry export format. It is read when a key is opened while no other key is open and kept
// in memory while any key is open. Values set change the store in memory; a flush writes the
// file whole, all changes in one replacement, and closing the last open key writes what is
// still unwritten. A file that exists but cannot be read is never written: no key opens on it.
// Every key is opened with full access. Results are 1 for success and 0 for failure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace platform {

using RegistryKey = std::uint64_t;

// No key: what a failed open yields.
constexpr RegistryKey kRegistryNoKey = 0;
// The current user's root: only a parent for CreateRegistryKey, it holds no values itself.
constexpr RegistryKey kRegistryCurrentUser = 1;

// Value types as the registry numbers them; any other number is stored as it comes.
constexpr std::uint32_t kRegistryString = 1;  // UTF-16LE text with its terminating zero
constexpr std::uint32_t kRegistryBinary = 3;
constexpr std::uint32_t kRegistryDword = 4;  // 4 bytes, little-endian

// Opens the key at path (names separated by "\", e.g. "Software\\Vantrel") below parent,
// creating it and any missing key on the way. Fails for an empty path, an empty name in it,
// a parent that is not open, or a store file that exists but cannot be read (so that no set
// can replace a file that was never read). *key is kRegistryNoKey on failure.
PLATFORM_API int CreateRegistryKey(RegistryKey parent, std::u16string_view path, RegistryKey* key);

// Copies the value's bytes into data, which holds *size bytes. On success *size is the
// value's size and *type (when type is not null) its type. A value that does not fit fails
// and still reports its type and size; an absent value fails and leaves both untouched.
PLATFORM_API int QueryRegistryValue(RegistryKey key, std::u16string_view name, std::uint32_t* type,
                                    void* data, std::uint32_t* size);

// Sets the value (an empty name is the key's default value) in the store in memory; the file
// takes it at the next flush or when the last open key closes.
PLATFORM_API int SetRegistryValue(RegistryKey key, std::u16string_view name, std::uint32_t type,
                                  const void* data, std::uint32_t size);

// Writes the store file whole with every value set since it was read or last written (nothing
// when there is none). When the file cannot be written it keeps its old text, the store keeps
// the new values for a later try, and the flush fails: LastRegistryFileError tells why.
PLATFORM_API int FlushRegistryKey(RegistryKey key);

// Closes the key; closing the last open key writes what is still unwritten (a failure shows in
// LastRegistryFileError only) and lets the store go until the next open.
PLATFORM_API void CloseRegistryKey(RegistryKey key);

// What kept the store file from being read or written.
constexpr int kRegistryFileFine = 0;
constexpr int kRegistryFileUnread = 1;     // it exists but could not be read, so no key opened
constexpr int kRegistryFileUnwritten = 2;  // it keeps its old text
struct RegistryFileError {
    int step = kRegistryFileFine;
    int error = 0;     // the errno of the failed step; EFBIG for a file too large to be read
    std::string path;  // the store file; empty when no folder for it is known
};

// The outcome of the last read or write of the store file: fine after a success.
PLATFORM_API RegistryFileError LastRegistryFileError();

// Removes the temporary files that writes of the store left beside it when their process died
// before the rename (only the program's own names). For the start of the one process that
// writes the store, before it writes: a write under way elsewhere would lose its file.
PLATFORM_API void RemoveStaleRegistryFiles();

}  // namespace platform
