// A song's path as the file:// URL that the desktop's media controls show, and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// "file://" and the path's bytes, each byte that is not a letter, a digit, "-._~" or "/"
// written as %XX: a path that is not UTF-8 keeps its bytes. A relative path is taken from the
// root. Empty for an empty path.
std::string FileUrl(const std::string& path);

// The path of a local file:// URL (no host, or "localhost"), its %XX escapes made bytes again (a
// "%" without two hex digits after it stays itself); nullopt for any other URL, or one whose path
// is not absolute or holds a zero byte.
std::optional<std::string> FilePathOf(std::string_view url);
