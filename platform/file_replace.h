// Writing a file whole without ever leaving it half written, in folders that other programs
// may write too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace platform {

// Writes bytes to a new temporary file ".NAME.saving-XXXXXX" beside the file, flushes it to the
// disk and renames it over the file, so that the file is always the old one or the new one,
// whole. The temporary file is made exclusively: nothing already at its name is followed or
// opened. A symbolic link stays a link: the file at the end of its chain (dangling or not) is
// the one replaced, in its own folder, and keeps its permission bits; any other file is
// written for the user alone (0600). On failure the old file stays, the temporary file is
// removed, *error (when given) is the errno of the step that failed and the result is false.
PLATFORM_API bool ReplaceFileContents(const std::string& path, const std::string& bytes,
                                      int* error = nullptr);

// The name of the file that `name` is a temporary file of ("a.lst" for ".a.lst.saving-x1Y2z3"),
// or empty when `name` is no such temporary file.
PLATFORM_API std::string_view ReplacedFileName(std::string_view name);

// Removes the regular files of folder whose names `chosen` accepts; links, folders and the
// other files stay. For temporary files that a crash left between their creation and rename.
PLATFORM_API void RemoveFolderFiles(const std::string& folder,
                                    bool (*chosen)(std::string_view name));

// Writes all bytes to the open file, going on after interrupted or partial writes; false (with
// errno) when the file takes no more.
PLATFORM_API bool WriteAll(int file, const void* data, std::size_t size);

}  // namespace platform
