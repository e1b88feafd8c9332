// A list of named entries shown in a sorted combo box. The combo box orders the names; the list
// keeps its entries in the order they were added, and each combo item knows its entry.
#pragma once

#include <string_view>

class QComboBox;
class QWidget;

struct StringListEntry {
    char16_t* name;  // owned by the list
    void* data;      // the caller's; the list never reads or frees it
};

struct StringList {
    QWidget* owner;
    QComboBox* combo;
    int count;
    StringListEntry* entries;  // in the order added; nullptr while empty
};

// The song lists, shown in the main window's combo box kControlSongListCombo.
extern StringList songLists;

void Bind(StringList& list, QWidget* owner, QComboBox* combo);
// The combo position of the new item (its sorted place), or -1 when the combo box refuses it.
int Add(StringList& list, const char16_t* name, void* data);
// 1, or 0 when no entry is at the position. The data is left to the caller.
int Remove(StringList& list, int position);
// Frees every name and empties the combo box; the data is left to the caller.
void Clear(StringList& list);
int Count(const StringList& list);
// The selected combo position, -1 when none.
int CurrentPosition(const StringList& list);
void Select(StringList& list, int position);
// Copies at most max characters and a terminator (buffer holds max + 1). 1, or 0 without entry.
int GetName(const StringList& list, int position, char16_t* buffer, int max);
int GetData(const StringList& list, int position, void** data);
int GetCurrentName(const StringList& list, char16_t* buffer, int max);
int GetCurrentData(const StringList& list, void** data);
// The index of the entry behind the item at the position, or -1 for a position without an
// item. Names that differ only in case (lists from older files) stay separate entries.
int FindEntry(const StringList& list, int position);

// Equality of names as the list and the name checks see it: letter case does not count.
bool SameNameIgnoringCase(const char16_t* a, const char16_t* b);
// The order of names that ignores letter case (Qt's case folding), as the combo box sorts them:
// less than 0, 0 or more than 0 (a NameOrder).
int CompareIgnoringCase(std::u16string_view a, std::u16string_view b);
