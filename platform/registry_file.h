// The registry's store file on disk.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// A settings store has no business being larger; a bigger file is not read into memory.
constexpr std::size_t kMaxRegistryFileBytes = 16 * 1024 * 1024;

// ${XDG_CONFIG_HOME:-$HOME/.config}/tesalo/registry.reg (a relative XDG_CONFIG_HOME is
// ignored, as the base-directory rules say); empty when neither variable gives a folder.
std::string RegistryFilePath();

// 1 with the file's bytes in *text, or with no text when the file (or its folder) does not
// exist; 0 when it exists but cannot be read whole, with the reason in *error (an errno;
// EFBIG when it is larger than kMaxRegistryFileBytes).
int ReadRegistryFile(const std::string& path, std::string* text, int* error);

// Replaces the file with text (ReplaceFileContents, the folder created for the user alone if
// missing), so the file is always either the old one or the new one, whole. 0 on any failure,
// with the old file untouched and the errno of the failed step in *error.
int WriteRegistryFile(const std::string& path, const std::string& text, int* error);

// Removes the temporary files that writes of the store at path left beside it: the ones of
// ReplaceFileContents and the "registry.reg.XXXXXX" of earlier versions.
void RemoveRegistryTemporaries(const std::string& path);

}  // namespace platform
