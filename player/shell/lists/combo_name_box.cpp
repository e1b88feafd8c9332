#include "player/shell/lists/combo_name_box.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>

bool ComboNameBox::HasRoom() const { return combo_->count() < combo_->maxCount(); }

void ComboNameBox::Insert(int place, std::u16string_view name) {
    const QSignalBlocker blocker(combo_);
    const bool noSelection = combo_->currentIndex() < 0;
    combo_->insertItem(place, QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())));
    if (noSelection) combo_->setCurrentIndex(-1);
}

void ComboNameBox::Remove(int place) { combo_->removeItem(place); }

void ComboNameBox::Select(int place) { combo_->setCurrentIndex(place); }

int ComboNameBox::Selected() const { return combo_->currentIndex(); }

void ComboNameBox::Clear() { combo_->clear(); }
