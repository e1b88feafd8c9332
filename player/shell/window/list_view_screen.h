// The list view of the main window as the logic of its commands sees it: the shown rows, their
// marks, focus and selection, through the view and its SongRowsModel.
#pragma once

#include "player/model/list_screen.h"

class QTreeView;

class ListViewScreen final : public ListScreen {
public:
    explicit ListViewScreen(QTreeView* listView) : listView_(listView) {}

    const SongRows& Rows() const override;
    void SetMark(int row, RowMark mark) override;
    void ResetMarks() override;
    int FocusedRow() const override;
    RowFlags SelectedRows() const override;
    void FocusRow(int row, bool select) override;
    void DeselectRow(int row) override;
    void ClearSelection() override;
    void RemoveRows(const RowFlags& chosen) override;
    bool MoveRows(RowFlags& chosen, int step) override;
    void ShowRow(int row) override;
    void ShowMessage(const std::u16string& text) override;

private:
    QTreeView* listView_;
};
