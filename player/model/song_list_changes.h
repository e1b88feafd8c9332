// The song-list menu without a window: a new list, a new name for the current one, deleting
// it. Which name is free, which file a list takes and what follows are decided here; the
// questions and the notices go through SongListDialogs.
#pragma once

#include <string>
#include <string_view>

#include "player/model/song_list_index.h"

// What the song-list menu asks and tells the user.
class SongListDialogs {
public:
    virtual ~SongListDialogs() = default;
    // Asks for a name into name (room for limit units with its terminator); an empty name counts
    // as given. False when cancelled: name stays as it was.
    virtual bool AskName(const std::u16string& caption, const std::u16string& prompt, int limit,
                         char16_t* name) = 0;
    virtual void Tell(const std::u16string& text) = 0;
    // True when the user agrees.
    virtual bool Confirm(const std::u16string& question) = 0;
};

class SongListChanges {
public:
    SongListChanges(SongListIndex& index, SongListDialogs& dialogs, bool japaneseUi)
        : index_(index), dialogs_(dialogs), japaneseUi_(japaneseUi) {}

    // Asks for a name no list has (in any letter case), gives the new list a free file name,
    // makes it current and empties the rows; its file is first written by the next save.
    // 1 when a list was made, 0 when the dialog was cancelled or left empty.
    int Create(SongRowsView& view);
    // Makes a list of that title (which no list has) current with a free file name and empties
    // the rows; its file is first written by the next save. 1, or 0 when it could not be entered
    // into the lists or the shown list keeps the rows (a change of it cannot be saved).
    int Add(SongRowsView& view, std::u16string_view title);
    // Asks for a new name of the current list (refused when any list has it, the list itself
    // included) and writes the file with the new title; the file keeps its name. 1 when renamed,
    // 0 when there is no current list or the dialog was cancelled or left empty.
    int Rename(SongRowsView& view);
    // After the user confirms, deletes the current list and its file and shows the first list
    // left (or empties the rows when none is left).
    void Delete(SongRowsView& view);

private:
    bool AskFreeName(const std::u16string& caption, const std::u16string& prompt, char16_t* name);

    SongListIndex& index_;
    SongListDialogs& dialogs_;
    bool japaneseUi_;
};
