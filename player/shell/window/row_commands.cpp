#include "player/shell/window/row_commands.h"

#include "player/model/row_commands.h"
#include "player/shell/window/list_view_screen.h"

void MoveSelection(QTreeView* listView, int step) {
    ListViewScreen list(listView);
    MoveSelection(list, step);
}

int DeleteSelectedRows(QTreeView* listView) {
    ListViewScreen list(listView);
    return DeleteSelectedRows(list);
}

void MoveSelectedRows(QTreeView* listView, int step) {
    ListViewScreen list(listView);
    MoveSelectedRows(list, step);
}
