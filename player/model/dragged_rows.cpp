#include "player/model/dragged_rows.h"

#include <algorithm>
#include <charconv>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

// The decimal number text is up to its first NUL byte, spaces around it and a sign allowed; -1
// when it is no number or a negative one.
int RowNumber(std::string_view text) {
    text = Trimmed(text.substr(0, text.find('\0')));
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    int number = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return -1;
    return number;
}

}  // namespace

std::string EncodeDraggedRows(const RowFlags& chosen) {
    std::string text;
    for (std::size_t row = 0; row < chosen.size(); ++row) {
        if (!chosen[row]) continue;
        if (!text.empty()) text += ',';
        text += std::to_string(row);
    }
    return text;
}

RowFlags DecodeDraggedRows(std::string_view text, int rows) {
    RowFlags chosen(static_cast<std::size_t>(std::max(rows, 0)));
    bool any = false;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const int row = RowNumber(text.substr(start, comma - start));
        if (row >= 0 && row < rows) {
            chosen[static_cast<std::size_t>(row)] = 1;
            any = true;
        }
        start = comma + 1;
    }
    return any ? chosen : RowFlags();
}
