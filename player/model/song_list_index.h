// The song lists of the player without a window: their records entered into a NameList (the
// combo box's list), which list the rows show, when a change of the rows is due to be saved and
// what the user is told when a list file cannot be read or written. A list whose file cannot be
// read is never written over; rows that cannot be saved stay shown until they can.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "player/model/name_list.h"
#include "player/model/song_list_storage.h"
#include "player/model/song_rows.h"

// The rows of the shown list as the list view holds them.
class SongRowsView {
public:
    virtual ~SongRowsView() = default;
    virtual const SongRows& Rows() const = 0;
    // The rows become the songs; the first row, when there is one, gets the focus and is selected.
    virtual void Show(const std::vector<SongListSong>& songs) = 0;
    // The songs become rows at the end; focus and selection stay.
    virtual void Append(const std::vector<SongListSong>& songs) = 0;
};

// Shows the user a message.
using SongListTell = std::function<void(const std::u16string& text)>;

class SongListIndex {
public:
    // The data of every entry of lists is a SongListRecord that the index frees with the list,
    // and those still listed when the index ends. The lists outlive the index.
    SongListIndex(NameList& lists, SongListTell tell) : lists_(lists), tell_(std::move(tell)) {}
    ~SongListIndex();
    SongListIndex(const SongListIndex&) = delete;
    SongListIndex& operator=(const SongListIndex&) = delete;

    NameList& Lists() const { return lists_; }
    // The record of the current list (the list's selection), nullptr when none.
    SongListRecord* Current() const;
    // Fills the lists from the "*.lst" files of the ProgramDirectory (the shipped lists of
    // programFolder first when it holds none) and selects the first list in the lists' order.
    void Load(const std::string& programFolder);
    // Selects the list kept in the file of that name; the selection stays when no list has it.
    void SelectFile(std::u16string_view fileName);
    // Gives record the first name "snglst%03d.lst" that neither a file nor another list holds.
    void AssignFileName(SongListRecord* record) const;

    // Refills the rows from the current list's file. 0 when there is no current list (the rows
    // stay) or its file cannot be read (the rows are emptied). A file that exists but cannot be
    // read whole, or holds no song list, is named in a message and refused: never written over.
    // A change the shown list could not save is saved first; when that fails again the shown
    // list stays (selected again) and the result is 0.
    int Show(SongRowsView& view);
    // 1 when the current list's rows may change; 0, after a message, when its file was refused.
    int Editable();
    // Writes the current list's file whole from the rows. 0 when there is no current list, its
    // file was refused, or the file cannot be written: the old file then stays as it was, the
    // rows are due to be saved again, and the first failure is told.
    int Save(const SongRows& rows);
    // Writes the shown list again when a change of its rows has not reached its file yet; 1 when
    // nothing is left unsaved. A failure is told only when tellFailure.
    int SaveUnsaved(const SongRows& rows, bool tellFailure);
    // The record goes (its list is deleted): nothing of it is shown or saved any more.
    void Forget(const SongListRecord* record);

private:
    // What the index knows of the list the rows show.
    struct ShownList {
        const SongListRecord* record = nullptr;
        bool refused = false;      // its file could not be read as a list: never written over
        bool unsaved = false;      // the rows hold a change that the file does not
        bool failureTold = false;  // the user knows that saving it fails
    };

    bool NameHeldByList(std::u16string_view fileName) const;
    void DeleteRecords();
    void FreeRecords();
    void AddListFile(const std::string& name);
    int SaveRows(const SongListRecord* record, const SongRows& rows);
    bool LeaveShownList(const SongRows& rows, const SongListRecord* next);

    NameList& lists_;
    SongListTell tell_;
    ShownList shown_;
};
