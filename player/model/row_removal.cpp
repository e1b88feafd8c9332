#include "player/model/row_removal.h"

#include <algorithm>

std::vector<int> RemovalPlaces(const RowFlags& chosen, int rows) {
    std::vector<int> places(static_cast<std::size_t>(std::max(rows, 0)));
    int kept = 0;
    for (std::size_t row = 0; row < places.size(); ++row) {
        places[row] = row < chosen.size() && chosen[row] ? -1 : kept++;
    }
    if (kept == rows) places.clear();
    return places;
}

int KeptRowNear(const std::vector<int>& places, int row) {
    const int last = static_cast<int>(places.size()) - 1;
    for (int above = std::min(row, last); above >= 0; --above) {
        if (places[static_cast<std::size_t>(above)] >= 0)
            return places[static_cast<std::size_t>(above)];
    }
    for (std::size_t below = static_cast<std::size_t>(std::max(row, -1) + 1); below < places.size();
         ++below) {
        if (places[below] >= 0) return places[below];
    }
    return -1;
}

bool AllDeleted(const std::vector<int>& places, int first, int last) {
    for (int row = std::max(first, 0); row <= last; ++row) {
        if (row >= static_cast<int>(places.size()) || places[static_cast<std::size_t>(row)] >= 0)
            return false;
    }
    return true;
}
