#include "player/shell/lists/string_list.h"

#include <QStringView>

StringList songLists;

int CompareIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return QStringView(a).compare(QStringView(b), Qt::CaseInsensitive);
}

bool SameNameIgnoringCase(const char16_t* a, const char16_t* b) {
    return QStringView(a).compare(QStringView(b), Qt::CaseInsensitive) == 0;
}

void Bind(StringList& list, QWidget* owner, QComboBox* combo) {
    list.owner = owner;
    list.comboBox = ComboNameBox(combo);
    ShowIn(list, combo != nullptr ? &list.comboBox : nullptr, CompareIgnoringCase);
}
