// Writing a file whole without ever leaving it half written.
#pragma once

#include <cstddef>
#include <string>

// Writes bytes to a temporary file beside path, flushes it to the disk and renames it over
// path. On any failure the old file stays as it was, the temporary file is removed, the result
// is false and *error (when given) is the errno of the step that failed.
bool ReplaceFileContents(const std::string& path, const std::string& bytes, int* error = nullptr);

// Writes all bytes to the open file, going on after interrupted or partial writes; false when
// the file takes no more.
bool WriteAll(int file, const void* data, std::size_t size);
