#include "player/model/song_list_changes.h"

#include <unistd.h>

#include <memory>

#include "player/model/song_list_text.h"
#include "player/model/text_cut.h"

namespace {

constexpr int kNameLimit = 127;

}  // namespace

// Asks until the name is one no list has; false when cancelled or left empty.
bool SongListChanges::AskFreeName(const std::u16string& caption, const std::u16string& prompt,
                                  char16_t* name) {
    for (;;) {
        if (!dialogs_.AskName(caption, prompt, kNameLimit, name) || name[0] == u'\0') return false;
        // A name is one line of its list's file.
        CopyToBuffer(ListTitleText(name), name, kNameLimit + 1);
        if (!NameTaken(index_.Lists(), name)) return true;
        dialogs_.Tell(japaneseUi_
                          ? u"入力された名前は既に使われています。\n他の名前を入力してください。"
                          : u"The inputted name is already used.\nPlease input other names.");
    }
}

int SongListChanges::Create(SongRowsView& view) {
    char16_t name[kNameLimit + 1] = {};
    const bool asked = japaneseUi_ ? AskFreeName(u"新規ソングリスト", u"ソングリスト名を入力", name)
                                   : AskFreeName(u"NewSongList", u"Input new song name.", name);
    return asked ? Add(view, name) : 0;
}

int SongListChanges::Add(SongRowsView& view, std::u16string_view title) {
    NameList& lists = index_.Lists();
    auto record = std::make_unique<SongListRecord>();
    CopyToBuffer(title, record->title, kSongListTitleCapacity);
    index_.AssignFileName(record.get());
    const int position = ::Add(lists, record->title, record.get());
    if (position < 0) return 0;
    Select(lists, position);
    index_.Show(view);
    // The list shown before keeps the rows while a change of it cannot be saved: no new list.
    if (CurrentPosition(lists) != position) {
        Remove(lists, position);
        return 0;
    }
    record.release();  // the lists' entry holds it now
    return 1;
}

int SongListChanges::Rename(SongRowsView& view) {
    NameList& lists = index_.Lists();
    const int position = CurrentPosition(lists);
    SongListRecord* record = index_.Current();
    if (record == nullptr || !index_.Editable()) return 0;
    const std::u16string now = record->title;
    char16_t name[kNameLimit + 1] = {};
    const bool asked = japaneseUi_ ? AskFreeName(u"ソングリストの名前変更", u"現在:" + now, name)
                                   : AskFreeName(u"Change song name.", u"now:" + now, name);
    if (!asked) return 0;
    CopyToBuffer(name, record->title, kSongListTitleCapacity);
    Remove(lists, position);
    Select(lists, ::Add(lists, record->title, record));
    index_.Save(view.Rows());
    return 1;
}

void SongListChanges::Delete(SongRowsView& view) {
    NameList& lists = index_.Lists();
    SongListRecord* record = index_.Current();
    if (record == nullptr) return;
    if (!dialogs_.Confirm(japaneseUi_
                              ? u"現在表示されているソングリストを削除します。\nよろしいですか？"
                              : u"May I delete the songlist displayed now?")) {
        return;
    }
    unlink(SongListPath(record->fileName).c_str());  // a file never saved is not missed
    Remove(lists, CurrentPosition(lists));
    index_.Forget(record);
    delete record;
    Select(lists, 0);
    if (Count(lists) > 0) {
        index_.Show(view);
    } else {
        view.Show({});
    }
}
