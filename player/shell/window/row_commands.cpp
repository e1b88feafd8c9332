#include "player/shell/window/row_commands.h"

#include <algorithm>

#include <QTreeView>

#include "player/model/play_order.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/song_list_view.h"
#include "player/model/player_state.h"

void MoveSelection(QTreeView* listView, int step) {
    const int focused = FocusedRow(listView);
    const int target = FocusStepTarget(focused, step, RowCount(listView));
    if (target < 0) return;
    if (focused < 0) {
        listView->clearSelection();
    } else {
        DeselectRow(listView, focused);
    }
    FocusRow(listView, target, true);
}

int DeleteSelectedRows(QTreeView* listView) {
    SongRowsModel* rows = ShownRows(listView);
    const RowFlags selected = SelectedRows(listView);
    PlayPosition position{g_player.isPlaying == 1, g_player.currentSong};
    if (!DeleteKeepsPlayingRow(rows->Rows(), selected, position)) {
        ShowPlayerMessage(g_player.japaneseUi ? u"再生中の項目は削除できません"
                                              : u"The item under playing cannot be deleted.");
        return 0;
    }
    g_player.currentSong = position.current;
    rows->Remove(selected, listView->selectionModel());
    return 1;
}

void MoveSelectedRows(QTreeView* listView, int step) {
    RowFlags selected = SelectedRows(listView);
    if (!ShownRows(listView)->MoveBlocks(selected, step)) return;
    const auto first =
        std::find_if(selected.begin(), selected.end(), [](char flag) { return flag != 0; });
    ShowRow(listView, static_cast<int>(first - selected.begin()));
}
