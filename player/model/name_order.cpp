#include "player/model/name_order.h"

int SortedNamePlace(const std::vector<std::u16string>& names, std::u16string_view name,
                    NameOrder nameOrder) {
    int place = 0;
    while (place < static_cast<int>(names.size()) &&
           nameOrder(names[static_cast<std::size_t>(place)], name) <= 0) {
        ++place;
    }
    return place;
}
