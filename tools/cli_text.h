// Text from files (titles, file names) made safe to print on a terminal.
#pragma once

#include <string>
#include <string_view>

// The UTF-8 text with every control character (C0, DEL, and C1 U+0080..U+009F) and every byte
// that is not part of valid UTF-8 written as \xNN, its code in hexadecimal, so that no text
// from a file can drive the terminal.
std::string Printable(std::string_view text);
