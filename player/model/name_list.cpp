#include "player/model/name_list.h"

#include <algorithm>

#include "player/model/text_cut.h"

namespace {

// The names of the box in its order.
std::vector<std::u16string> PlacedNames(const NameList& list) {
    std::vector<std::u16string> names;
    names.reserve(list.places.size());
    for (const int index : list.places)
        names.push_back(list.entries[static_cast<std::size_t>(index)].name);
    return names;
}

}  // namespace

void ShowIn(NameList& list, NameBox* box, NameOrder order) {
    list.box = box;
    list.order = order;
    list.places.clear();
}

int Add(NameList& list, std::u16string_view name, void* data) {
    if (list.box == nullptr || !list.box->HasRoom()) return -1;
    const int place = SortedNamePlace(PlacedNames(list), name, list.order);
    list.entries.push_back({std::u16string(name), data});
    list.places.insert(list.places.begin() + place, list.count);
    ++list.count;
    list.box->Insert(place, name);
    return place;
}

int Remove(NameList& list, int position) {
    const int index = FindEntry(list, position);
    if (index < 0) return 0;
    list.entries.erase(list.entries.begin() + index);
    list.places.erase(list.places.begin() + position);
    for (int& place : list.places) {
        if (place > index) --place;
    }
    --list.count;
    list.box->Remove(position);
    return 1;
}

void Clear(NameList& list) {
    list.entries.clear();
    list.places.clear();
    list.count = 0;
    if (list.box != nullptr) list.box->Clear();
}

int Count(const NameList& list) { return list.count; }

int CurrentPosition(const NameList& list) {
    return list.box != nullptr ? list.box->Selected() : -1;
}

void Select(NameList& list, int position) {
    if (list.box != nullptr) list.box->Select(position);
}

int GetName(const NameList& list, int position, char16_t* buffer, int max) {
    const int index = FindEntry(list, position);
    if (index < 0) return 0;
    CopyToBuffer(list.entries[static_cast<std::size_t>(index)].name, buffer,
                 static_cast<std::size_t>(max) + 1);
    return 1;
}

int GetData(const NameList& list, int position, void** data) {
    const int index = FindEntry(list, position);
    if (index < 0) return 0;
    *data = list.entries[static_cast<std::size_t>(index)].data;
    return 1;
}

int GetCurrentName(const NameList& list, char16_t* buffer, int max) {
    return GetName(list, CurrentPosition(list), buffer, max);
}

int GetCurrentData(const NameList& list, void** data) {
    return GetData(list, CurrentPosition(list), data);
}

int FindEntry(const NameList& list, int position) {
    if (list.box == nullptr || position < 0 || position >= static_cast<int>(list.places.size())) {
        return -1;
    }
    return list.places[static_cast<std::size_t>(position)];
}

int PositionOfData(const NameList& list, const void* data) {
    for (int position = 0; position < static_cast<int>(list.places.size()); ++position) {
        if (list.entries[static_cast<std::size_t>(list.places[static_cast<std::size_t>(position)])]
                .data == data) {
            return position;
        }
    }
    return -1;
}

bool NameTaken(const NameList& list, std::u16string_view name) {
    return std::any_of(list.places.begin(), list.places.end(), [&](int index) {
        return list.order(list.entries[static_cast<std::size_t>(index)].name, name) == 0;
    });
}
