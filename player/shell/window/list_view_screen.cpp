#include "player/shell/window/list_view_screen.h"

#include <QTreeView>

#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/song_list_view.h"

const SongRows& ListViewScreen::Rows() const { return ShownRows(listView_)->Rows(); }

void ListViewScreen::SetMark(int row, RowMark mark) { ShownRows(listView_)->SetMark(row, mark); }

void ListViewScreen::ResetMarks() { ShownRows(listView_)->ResetMarks(); }

int ListViewScreen::FocusedRow() const { return ::FocusedRow(listView_); }

RowFlags ListViewScreen::SelectedRows() const { return ::SelectedRows(listView_); }

void ListViewScreen::FocusRow(int row, bool select) { ::FocusRow(listView_, row, select); }

void ListViewScreen::DeselectRow(int row) { ::DeselectRow(listView_, row); }

void ListViewScreen::ClearSelection() { listView_->clearSelection(); }

void ListViewScreen::RemoveRows(const RowFlags& chosen) {
    ShownRows(listView_)->Remove(chosen, listView_->selectionModel());
}

bool ListViewScreen::MoveRows(RowFlags& chosen, int step) {
    return ShownRows(listView_)->MoveBlocks(chosen, step);
}

void ListViewScreen::ShowRow(int row) { ::ShowRow(listView_, row); }

void ListViewScreen::ShowMessage(const std::u16string& text) { ShowPlayerMessage(text); }
