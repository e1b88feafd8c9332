#include "player/model/row_commands.h"

#include <algorithm>

#include "player/model/play_order.h"
#include "player/model/player_state.h"

void MoveSelection(ListScreen& list, int step) {
    const int focused = list.FocusedRow();
    const int target = FocusStepTarget(focused, step, list.Rows().Count());
    if (target < 0) return;
    if (focused < 0) {
        list.ClearSelection();
    } else {
        list.DeselectRow(focused);
    }
    list.FocusRow(target, true);
}

int DeleteSelectedRows(ListScreen& list) {
    const RowFlags selected = list.SelectedRows();
    PlayPosition position{g_player.isPlaying == 1, g_player.currentSong};
    if (!DeleteKeepsPlayingRow(list.Rows(), selected, position)) {
        list.ShowMessage(g_player.japaneseUi ? u"再生中の項目は削除できません"
                                             : u"The item under playing cannot be deleted.");
        return 0;
    }
    g_player.currentSong = position.current;
    list.RemoveRows(selected);
    return 1;
}

void MoveSelectedRows(ListScreen& list, int step) {
    RowFlags selected = list.SelectedRows();
    if (!list.MoveRows(selected, step)) return;
    const auto first =
        std::find_if(selected.begin(), selected.end(), [](char flag) { return flag != 0; });
    list.ShowRow(static_cast<int>(first - selected.begin()));
}

void FollowDraggedRows(const std::vector<int>& places) {
    const auto current = static_cast<std::size_t>(g_player.currentSong);
    if (g_player.currentSong >= 0 && current < places.size())
        g_player.currentSong = places[current];
}
