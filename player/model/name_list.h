// A list of named entries shown in a box of names sorted by a NameOrder (the song lists' combo
// box). The list keeps its entries in the order they were added and knows the entry behind each
// place of the box; the box only shows the names and which place is selected.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "player/model/name_order.h"

// The view of a NameList: its names at places, one of them selected or none.
class NameBox {
public:
    virtual ~NameBox() = default;
    // False when the box takes no further name.
    virtual bool HasRoom() const = 0;
    // Shows name at place without changing which name is selected (none stays none).
    virtual void Insert(int place, std::u16string_view name) = 0;
    virtual void Remove(int place) = 0;
    virtual void Select(int place) = 0;
    // The selected place, -1 when none.
    virtual int Selected() const = 0;
    virtual void Clear() = 0;
};

struct NameListEntry {
    std::u16string name;
    void* data;  // the caller's; the list never reads or frees it
};

struct NameList {
    NameBox* box = nullptr;              // none: the list takes no entry
    NameOrder order = nullptr;           // how the box sorts its names
    int count = 0;                       // the number of entries
    std::vector<NameListEntry> entries;  // in the order added
    std::vector<int> places;             // the entry shown at each place of the box
};

// The list is shown in box (none: it takes no entry) sorted by order. A new box starts empty:
// entries added before keep no place in it, though they count until the list is cleared.
void ShowIn(NameList& list, NameBox* box, NameOrder order);
// The place of the new entry (its sorted place), or -1 when there is no box or it has no room.
int Add(NameList& list, std::u16string_view name, void* data);
// 1, or 0 when no entry is at the position. The data is left to the caller.
int Remove(NameList& list, int position);
// Drops every entry and empties the box; the data is left to the caller.
void Clear(NameList& list);
int Count(const NameList& list);
// The selected position, -1 when none.
int CurrentPosition(const NameList& list);
void Select(NameList& list, int position);
// Copies at most max characters and a terminator (buffer holds max + 1). 1, or 0 without entry.
int GetName(const NameList& list, int position, char16_t* buffer, int max);
int GetData(const NameList& list, int position, void** data);
int GetCurrentName(const NameList& list, char16_t* buffer, int max);
int GetCurrentData(const NameList& list, void** data);
// The index of the entry behind the position, or -1 for a position without an entry. Names that
// differ only in case (lists from older files) stay separate entries.
int FindEntry(const NameList& list, int position);
// The position of the entry whose data that is, -1 when none has it.
int PositionOfData(const NameList& list, const void* data);
// True when an entry at a place has the name, letter case not counting (the list's order calls it
// equal).
bool NameTaken(const NameList& list, std::u16string_view name);
