// A list of named entries shown in a sorted combo box. The list itself (its entries in the
// order added, the entry behind each combo item, the sorted places) is the model's NameList;
// here it is bound to its combo box and sorted as Qt folds letter case.
#pragma once

#include <string_view>

#include "player/model/name_list.h"
#include "player/shell/lists/combo_name_box.h"

class QComboBox;
class QWidget;

struct StringList : NameList {
    StringList() = default;
    StringList(const StringList&) = delete;  // the list's box points into it
    StringList& operator=(const StringList&) = delete;

    QWidget* owner = nullptr;
    ComboNameBox comboBox;
};

// The song lists, shown in the main window's combo box kControlSongListCombo.
extern StringList songLists;

// Shows the list in combo (none: the list takes no entry), sorted by CompareIgnoringCase.
void Bind(StringList& list, QWidget* owner, QComboBox* combo);

// Equality of names as the list and the name checks see it: letter case does not count.
bool SameNameIgnoringCase(const char16_t* a, const char16_t* b);
// The order of names that ignores letter case (Qt's case folding), as the combo box sorts them:
// less than 0, 0 or more than 0 (a NameOrder).
int CompareIgnoringCase(std::u16string_view a, std::u16string_view b);
