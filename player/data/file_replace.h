// Writing a file whole without ever leaving it half written.
#pragma once

#include <string>

// Writes bytes to a temporary file beside path, flushes it to the disk and renames it over
// path. On any failure the old file stays as it was, the temporary file is removed and the
// result is false.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);
