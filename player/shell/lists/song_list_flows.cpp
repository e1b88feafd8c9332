#include "player/shell/lists/song_list_flows.h"

#include <unistd.h>

#include <memory>
#include <string>

#include <QTreeView>

#include "player/model/song_list_text.h"
#include "player/model/text_cut.h"
#include "player/shell/dialogs/input_name_dialog.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"

namespace {

constexpr int kNameLimit = 127;

struct NameRequest {
    std::u16string caption;
    std::u16string prompt;
};

bool NameIsUsed(const char16_t* name) {
    char16_t used[kNameLimit + 1];
    for (int position = 0; position < Count(songLists); ++position) {
        if (!GetName(songLists, position, used, kNameLimit)) return false;
        if (SameNameIgnoringCase(used, name)) return true;
    }
    return false;
}

// Asks until the name is one no list has; false when cancelled or left empty.
bool AskFreeName(bool japaneseUi, const NameRequest& request, char16_t* name) {
    for (;;) {
        if (!InputNameDialog(japaneseUi, request.caption, request.prompt, kNameLimit, name) ||
            name[0] == u'\0') {
            return false;
        }
        // A name is one line of its list's file.
        CopyToBuffer(ListTitleText(name), name, kNameLimit + 1);
        if (!NameIsUsed(name)) return true;
        ShowPlayerMessage(
            japaneseUi ? u"入力された名前は既に使われています。\n他の名前を入力してください。"
                       : u"The inputted name is already used.\nPlease input other names.");
    }
}

}  // namespace

int CreateSongList(QTreeView* listView, bool japaneseUi) {
    const NameRequest request = japaneseUi
                                    ? NameRequest{u"新規ソングリスト", u"ソングリスト名を入力"}
                                    : NameRequest{u"NewSongList", u"Input new song name."};
    char16_t name[kNameLimit + 1] = {};
    if (!AskFreeName(japaneseUi, request, name)) return 0;
    return AddSongList(listView, name);
}

int AddSongList(QTreeView* listView, const char16_t* title) {
    auto record = std::make_unique<SongListRecord>();
    CopyToBuffer(title, record->title, kSongListTitleCapacity);
    AssignSongListFileName(record.get());
    const int position = Add(songLists, record->title, record.get());
    if (position < 0) return 0;
    Select(songLists, position);
    ShowSongList(listView);
    // The list shown before keeps the view while a change of it cannot be saved: no new list.
    if (CurrentPosition(songLists) != position) {
        Remove(songLists, position);
        return 0;
    }
    record.release();  // songLists' entry holds it now
    return 1;
}

int RenameSongList(QTreeView* listView, bool japaneseUi) {
    const int position = CurrentPosition(songLists);
    SongListRecord* record = CurrentSongListRecord();
    if (record == nullptr || !SongListEditable()) return 0;
    const NameRequest request =
        japaneseUi
            ? NameRequest{u"ソングリストの名前変更", u"現在:" + std::u16string(record->title)}
            : NameRequest{u"Change song name.", u"now:" + std::u16string(record->title)};
    char16_t name[kNameLimit + 1] = {};
    if (!AskFreeName(japaneseUi, request, name)) return 0;
    CopyToBuffer(name, record->title, kSongListTitleCapacity);
    Remove(songLists, position);
    Select(songLists, Add(songLists, record->title, record));
    SaveSongList(listView);
    return 1;
}

void DeleteSongList(QTreeView* listView, bool japaneseUi) {
    SongListRecord* record = CurrentSongListRecord();
    if (record == nullptr) return;
    const char16_t* question =
        japaneseUi ? u"現在表示されているソングリストを削除します。\nよろしいですか？"
                   : u"May I delete the songlist displayed now?";
    if (AskPlayerQuestion(listView->window(), question) != kMessageOk) return;
    unlink(SongListPath(record->fileName).c_str());  // a file never saved is not missed
    Remove(songLists, CurrentPosition(songLists));
    ForgetShownSongList(record);
    delete record;
    Select(songLists, 0);
    if (Count(songLists) > 0) {
        ShowSongList(listView);
    } else {
        ShownRows(listView)->Assign({});
    }
}
