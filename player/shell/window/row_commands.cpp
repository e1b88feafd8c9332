#include "player/shell/window/row_commands.h"

#include <QTreeWidget>

#include <vector>

#include "player/shell/lists/song_list_view.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/window/player_state.h"

namespace {

int FocusedRow(const QTreeWidget* listView) {
    QTreeWidgetItem* focused = listView->currentItem();
    return focused == nullptr ? -1 : listView->indexOfTopLevelItem(focused);
}

int FirstSelectedRow(const QTreeWidget* listView) {
    for (int row = 0; row < listView->topLevelItemCount(); ++row) {
        if (listView->topLevelItem(row)->isSelected()) return row;
    }
    return -1;
}

void FocusAndSelect(QTreeWidget* listView, int row) {
    listView->setCurrentItem(listView->topLevelItem(row), 0,
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Puts the rows in the new order, keeping which are selected and which has the focus.
void Reorder(QTreeWidget* listView, const std::vector<QTreeWidgetItem*>& order) {
    QTreeWidgetItem* focused = listView->currentItem();
    std::vector<QTreeWidgetItem*> selected;
    for (QTreeWidgetItem* item : order) {
        if (item->isSelected()) selected.push_back(item);
    }
    while (listView->topLevelItemCount() > 0) listView->takeTopLevelItem(0);
    for (std::size_t row = 0; row < order.size(); ++row) {
        order[row]->setData(kColumnState, kRowOrderRole, static_cast<int>(row));
        listView->addTopLevelItem(order[row]);
    }
    if (focused != nullptr) {
        listView->setCurrentItem(focused, 0, QItemSelectionModel::NoUpdate);
    }
    for (QTreeWidgetItem* item : selected) item->setSelected(true);
}

}  // namespace

void MoveSelection(QTreeWidget* listView, int step) {
    const int focused = FocusedRow(listView);
    const int target = focused + step;
    if (step < 0 && focused < 1) return;
    if (step > 0 && target >= listView->topLevelItemCount()) return;
    if (focused < 0) {
        listView->clearSelection();
    } else {
        listView->topLevelItem(focused)->setSelected(false);
    }
    FocusAndSelect(listView, target);
}

int DeleteSelectedRows(QTreeWidget* listView) {
    QTreeWidgetItem* playing = listView->topLevelItem(g_player.currentSong);
    if (g_player.isPlaying == 1 && playing != nullptr && playing->isSelected()) {
        ShowPlayerMessage(g_player.japaneseUi ? u"再生中の項目は削除できません"
                                              : u"The item under playing cannot be deleted.");
        return 0;
    }
    for (int row = FirstSelectedRow(listView); row >= 0; row = FirstSelectedRow(listView)) {
        if (g_player.isPlaying == 1 && row < g_player.currentSong) --g_player.currentSong;
        delete listView->takeTopLevelItem(row);
    }
    return 1;
}

void MoveSelectedRows(QTreeWidget* listView, int step) {
    const int rows = listView->topLevelItemCount();
    const int edge = step < 0 ? 0 : rows - 1;
    const int first = FirstSelectedRow(listView);
    if (first < 0 || listView->topLevelItem(edge)->isSelected()) return;
    std::vector<QTreeWidgetItem*> order;
    for (int row = 0; row < rows; ++row) order.push_back(listView->topLevelItem(row));
    // Swapping each selected row with its neighbour, walking away from the edge it moves
    // towards, moves a block of selected rows as a whole.
    if (step < 0) {
        for (int j = 1; j < rows; ++j) {
            if (order[j]->isSelected()) std::swap(order[j - 1], order[j]);
        }
    } else {
        for (int i = rows - 2; i >= 0; --i) {
            if (order[i]->isSelected()) std::swap(order[i], order[i + 1]);
        }
    }
    Reorder(listView, order);
    const int firstSelected = FirstSelectedRow(listView);
    listView->scrollToItem(listView->topLevelItem(firstSelected), QAbstractItemView::EnsureVisible);
}
