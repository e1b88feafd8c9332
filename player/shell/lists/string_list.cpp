#include "player/shell/lists/string_list.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringView>
#include <QVariant>

#include "player/model/name_order.h"
#include "player/model/text_cut.h"

StringList songLists = {};

namespace {

// Names live in buffers of their length + 4 characters, zero-filled.
char16_t* CopyName(const char16_t* name) {
    const std::size_t length = std::char_traits<char16_t>::length(name);
    auto* copy = new char16_t[length + 4]();
    std::copy_n(name, length, copy);
    return copy;
}

// The combo box keeps its items sorted without regard to case; an equal name goes behind.
int SortedPlace(const QComboBox* combo, const QString& name) {
    std::vector<std::u16string> names;
    names.reserve(static_cast<std::size_t>(combo->count()));
    for (int i = 0; i < combo->count(); ++i) names.push_back(combo->itemText(i).toStdU16String());
    return SortedNamePlace(names, name.toStdU16String(), CompareIgnoringCase);
}

// Adding an item never selects it: the selection stays the caller's to set. The item carries
// its entry's name buffer, which tells entries apart whose names differ only in case.
int InsertSorted(QComboBox* combo, const char16_t* name) {
    const QString text = QString::fromUtf16(name);
    const int place = SortedPlace(combo, text);
    const QSignalBlocker blocker(combo);
    const bool noSelection = combo->currentIndex() < 0;
    combo->insertItem(place, text, QVariant::fromValue(reinterpret_cast<quintptr>(name)));
    if (noSelection) combo->setCurrentIndex(-1);
    return place;
}

}  // namespace

int CompareIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return QStringView(a).compare(QStringView(b), Qt::CaseInsensitive);
}

bool SameNameIgnoringCase(const char16_t* a, const char16_t* b) {
    return QStringView(a).compare(QStringView(b), Qt::CaseInsensitive) == 0;
}

void Bind(StringList& list, QWidget* owner, QComboBox* combo) {
    list.owner = owner;
    list.combo = combo;
}

int Add(StringList& list, const char16_t* name, void* data) {
    if (list.combo == nullptr || list.combo->count() >= list.combo->maxCount()) return -1;
    auto* grown = new StringListEntry[list.count + 2]();
    std::copy(list.entries, list.entries + list.count, grown);
    delete[] list.entries;
    list.entries = grown;
    list.entries[list.count] = {CopyName(name), data};
    ++list.count;
    return InsertSorted(list.combo, list.entries[list.count - 1].name);
}

int Remove(StringList& list, int position) {
    const int index = FindEntry(list, position);
    if (index < 0) return 0;
    delete[] list.entries[index].name;
    std::copy(list.entries + index + 1, list.entries + list.count, list.entries + index);
    list.entries[list.count - 1] = {};
    list.combo->removeItem(position);
    --list.count;
    return 1;
}

void Clear(StringList& list) {
    for (int i = 0; i < list.count; ++i) delete[] list.entries[i].name;
    delete[] list.entries;
    list.entries = nullptr;
    list.count = 0;
    if (list.combo != nullptr) list.combo->clear();
}

int Count(const StringList& list) { return list.count; }

int CurrentPosition(const StringList& list) {
    return list.combo != nullptr ? list.combo->currentIndex() : -1;
}

void Select(StringList& list, int position) {
    if (list.combo != nullptr) list.combo->setCurrentIndex(position);
}

int GetName(const StringList& list, int position, char16_t* buffer, int max) {
    const int index = FindEntry(list, position);
    if (index < 0) return 0;
    CopyToBuffer(list.entries[index].name, buffer, static_cast<std::size_t>(max) + 1);
    return 1;
}

int GetData(const StringList& list, int position, void** data) {
    const int index = FindEntry(list, position);
    if (index < 0) return 0;
    *data = list.entries[index].data;
    return 1;
}

int GetCurrentName(const StringList& list, char16_t* buffer, int max) {
    return GetName(list, CurrentPosition(list), buffer, max);
}

int GetCurrentData(const StringList& list, void** data) {
    return GetData(list, CurrentPosition(list), data);
}

int FindEntry(const StringList& list, int position) {
    if (list.combo == nullptr || position < 0 || position >= list.combo->count()) return -1;
    const auto name = list.combo->itemData(position).value<quintptr>();
    for (int i = 0; i < list.count; ++i) {
        if (reinterpret_cast<quintptr>(list.entries[i].name) == name) return i;
    }
    return -1;
}
