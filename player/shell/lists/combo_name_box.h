// A combo box as the box of a NameList: the list decides the places, the combo box shows the
// names there and keeps which one is selected.
#pragma once

#include "player/model/name_list.h"

class QComboBox;

class ComboNameBox : public NameBox {
public:
    explicit ComboNameBox(QComboBox* combo = nullptr) : combo_(combo) {}

    bool HasRoom() const override;
    // Signals of the combo box wait while the name goes in.
    void Insert(int place, std::u16string_view name) override;
    void Remove(int place) override;
    void Select(int place) override;
    int Selected() const override;
    void Clear() override;

private:
    QComboBox* combo_;
};
