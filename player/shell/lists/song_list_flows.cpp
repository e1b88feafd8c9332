#include "player/shell/lists/song_list_flows.h"

#include <QTreeView>

#include "player/model/song_list_changes.h"
#include "player/shell/dialogs/input_name_dialog.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/list_view_rows.h"
#include "player/shell/lists/song_list_files.h"

namespace {

// The naming dialog and the message boxes, owned by the list view's window.
class PlayerSongListDialogs : public SongListDialogs {
public:
    PlayerSongListDialogs(QWidget* owner, bool japaneseUi)
        : owner_(owner), japaneseUi_(japaneseUi) {}

    bool AskName(const std::u16string& caption, const std::u16string& prompt, int limit,
                 char16_t* name) override {
        return InputNameDialog(japaneseUi_, caption, prompt, limit, name) != 0;
    }
    void Tell(const std::u16string& text) override { ShowPlayerMessage(text); }
    bool Confirm(const std::u16string& question) override {
        return AskPlayerQuestion(owner_, question) == kMessageOk;
    }

private:
    QWidget* owner_;
    bool japaneseUi_;
};

}  // namespace

int ChangeSongLists(
    QTreeView* listView, bool japaneseUi,
    const std::function<int(SongListChanges&, SongRowsView&, SongListDialogs&)>& change) {
    PlayerSongListDialogs dialogs(listView->window(), japaneseUi);
    ListViewRows rows(listView);
    SongListChanges changes(PlayerSongLists(), dialogs, japaneseUi);
    return change(changes, rows, dialogs);
}

int CreateSongList(QTreeView* listView, bool japaneseUi) {
    return ChangeSongLists(listView, japaneseUi,
                           [](SongListChanges& changes, SongRowsView& rows, SongListDialogs&) {
                               return changes.Create(rows);
                           });
}

int RenameSongList(QTreeView* listView, bool japaneseUi) {
    return ChangeSongLists(listView, japaneseUi,
                           [](SongListChanges& changes, SongRowsView& rows, SongListDialogs&) {
                               return changes.Rename(rows);
                           });
}

void DeleteSongList(QTreeView* listView, bool japaneseUi) {
    ChangeSongLists(listView, japaneseUi,
                    [](SongListChanges& changes, SongRowsView& rows, SongListDialogs&) {
                        changes.Delete(rows);
                        return 0;
                    });
}
