// The MIDI file selection dialog, opened by the main window's add button: the rows of a
// folder, moving between folders, and adding the chosen files to the current or a new list.
#include "player/shell/window/midi_file_dialog.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "platform/codepage.h"
#include "player/model/folder_entries.h"
#include "player/model/player_state.h"
#include "player/model/song_list_folder.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "tests/player/shell/window/window_fixture.h"
#include "tests/support/smf_builder.h"

namespace {

namespace fs = std::filesystem;

class MidiFileDialogTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        music_ = folder_ + "music/";
        fs::create_directory(music_);
        g_midiFileFolder = music_;
        Clear(songLists);
    }
    // A song of `quarters` quarter notes at division 96 in the music folder, named rawName.
    void MusicSong(const std::string& rawName, int quarters) {
        fs::rename(Song("song", quarters), music_ + rawName);
    }
    void MusicFile(const std::string& name, std::size_t bytes) {
        std::ofstream(music_ + name, std::ios::binary) << std::string(bytes, 'x');
    }
    static QTreeWidget* Files(QWidget* dialog) {
        return dialog->findChild<QTreeWidget*>(QStringLiteral("id1051"));
    }
    static std::string Rows(QWidget* dialog) {
        std::string rows;
        for (int row = 0; row < Files(dialog)->topLevelItemCount(); ++row) {
            rows += (row > 0 ? "|" : "") + Files(dialog)->topLevelItem(row)->text(0).toStdString();
        }
        return rows;
    }
    static void Choose(QWidget* dialog, std::initializer_list<const char*> names) {
        for (int row = 0; row < Files(dialog)->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = Files(dialog)->topLevelItem(row);
            for (const char* name : names) {
                if (item->text(0) == QString::fromUtf8(name)) item->setSelected(true);
            }
        }
    }
    // Clicks once the step has returned: the modal windows the click opens need the script's
    // timer, which does not fire again while a step runs.
    static void Press(QWidget* dialog, const char* id) {
        auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(id));
        QTimer::singleShot(0, button, [button] { button->click(); });
    }
    // Runs after the clicks and what they opened have been handled.
    static void Afterwards(QWidget* dialog, const std::function<void()>& check) {
        QTimer::singleShot(50, dialog, [dialog, check] {
            check();
            static_cast<QDialog*>(dialog)->reject();
        });
    }
    std::string Titles() const {
        std::string titles;
        for (int row = 0; row < RowCount(View()); ++row) {
            titles += Cell(row, kColumnTitle).toStdString() + ";";
        }
        return titles;
    }
    std::string ListFile(const std::string& file = "snglst000.lst") const {
        std::ifstream in(ProgramDirectory() + file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string music_;
};

// The folder shown last is gone: the dialog opens in the home folder.
TEST_F(MidiFileDialogTest, AVanishedLastFolderFallsBackToHome) {
    const char* oldHome = std::getenv("HOME");
    const std::string home = oldHome != nullptr ? oldHome : "";
    setenv("HOME", music_.c_str(), 1);
    MusicFile("here.mid", 10);
    g_midiFileFolder = folder_ + "gone/";
    std::string rows;
    script_.Then([&](QWidget* dialog) {
        rows = Rows(dialog);
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(kCommandAddFiles);
    if (oldHome != nullptr)
        setenv("HOME", home.c_str(), 1);
    else
        unsetenv("HOME");
    EXPECT_EQ(rows, "..|here.mid");
}

TEST_F(MidiFileDialogTest, FoldersComeFirstThenFilesEachByNameIgnoringCase) {
    fs::create_directory(music_ + "b");
    fs::create_directory(music_ + "A");
    MusicFile("z.mid", 1000);
    MusicFile("Y.MID", 100);
    MusicFile("notes.txt", 5);
    MusicFile("x.midi", 5);
    std::string rows, sizes;
    bool row0Selected = true;
    script_.Then([&](QWidget* dialog) {
        rows = Rows(dialog);
        for (int row = 0; row < 5; ++row) {
            sizes += Files(dialog)->topLevelItem(row)->text(1).toStdString() + ";";
        }
        QTreeWidgetItem* first = Files(dialog)->topLevelItem(0);
        row0Selected = Files(dialog)->currentItem() != first || first->isSelected();
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(kCommandAddFiles);
    EXPECT_EQ(rows, "..|A|b|Y.MID|z.mid");
    EXPECT_EQ(sizes, "(Folder);(Folder);(Folder);100;1,000;");
    EXPECT_FALSE(row0Selected) << "row 0 has the focus and is not selected";
}

// A name that sorts before ".." still comes below it; the root has no ".." row.
TEST_F(MidiFileDialogTest, DotDotStaysOnTopAndTheRootHasNone) {
    fs::create_directory(music_ + "!early");
    std::string rows;
    script_.Then([&](QWidget* dialog) {
        rows = Rows(dialog);
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(kCommandAddFiles);
    EXPECT_EQ(rows, "..|!early");
    g_midiFileFolder = "/";
    script_.Then([&](QWidget* dialog) {
        rows = Rows(dialog);
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(kCommandAddFiles);
    EXPECT_NE(rows.substr(0, 2), "..");
}

// Enter opens the focused folder, a double click on ".." goes back; the next opening starts in
// the folder shown last.
TEST_F(MidiFileDialogTest, EnterAndDoubleClickOpenFolders) {
    fs::create_directory(music_ + "inner");
    MusicFile("inner/deep.mid", 10);
    std::string inside, back;
    script_.Then([&](QWidget* dialog) {
        QTreeWidget* files = Files(dialog);
        files->setCurrentItem(files->topLevelItem(1));
        QTest::keyClick(files, Qt::Key_Return);
        inside = Rows(dialog);
        files->setCurrentItem(files->topLevelItem(0));
        emit files->itemDoubleClicked(files->topLevelItem(0), 0);
        back = Rows(dialog);
        files->setCurrentItem(files->topLevelItem(1));
        QTest::keyClick(files, Qt::Key_Return);
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(kCommandAddFiles);
    EXPECT_EQ(inside, "..|deep.mid");
    EXPECT_EQ(back, "..|inner");
    EXPECT_EQ(g_midiFileFolder, music_ + "inner/");
}

TEST_F(MidiFileDialogTest, OnlyFoldersChosenAddsNothingAndSavesTheList) {
    ShowList({{"Old", Song("old", 4)}}, "Mine");
    fs::remove(ProgramDirectory() + "snglst000.lst");
    fs::create_directory(music_ + "A");
    script_.Then([](QWidget* dialog) {
        Choose(dialog, {"..", "A"});
        Press(dialog, "id1012");
    });
    Command(kCommandAddFiles);
    EXPECT_EQ(Titles(), "Old;");
    EXPECT_NE(ListFile().find("##SONGTITLE\r\nMine\r\n"), std::string::npos) << "saved on result 1";
}

// The add button with no list at all asks for a new list's name first, like the song-list menu
// button.
TEST_F(MidiFileDialogTest, WithoutAnyListTheAddButtonMakesANewOne) {
    MusicSong("two.mid", 4);
    MusicSong("one.mid", 6);
    script_.Then([](QWidget* dialog) {
        Choose(dialog, {"two.mid", "one.mid"});
        Press(dialog, "id1012");
    });
    script_.Then(TypeName(QStringLiteral("Fresh")));
    // While the files are read (slowly under the sanitizers) the file dialog may be the modal
    // window again: it closes itself once they are added.
    script_.Then([](QWidget*) {});
    Command(kCommandAddFiles);
    ASSERT_EQ(Count(songLists), 1);
    EXPECT_EQ(Titles(), "song;song;");
    // Display order: one.mid (6 quarters, 2.999808 s) before two.mid (4 quarters, 1.999872 s).
    EXPECT_EQ(Cell(0, kColumnTime), QStringLiteral("00:02"));
    EXPECT_EQ(Cell(1, kColumnTime), QStringLiteral("00:01"));
    EXPECT_EQ(ListFile(),
              "##SONGTITLE\r\nFresh\r\n\r\n"
              "##SONGFILE\r\n2\r\n" +
                  music_ +
                  "one.mid\r\nsong\r\n\r\n"
                  "##SONGFILE\r\n1\r\n" +
                  music_ + "two.mid\r\nsong\r\n\r\n");
}

// The song-list menu button with nothing chosen: the new list stays, empty, the message shows and
// the dialog stays open until cancelled; nothing is written.
TEST_F(MidiFileDialogTest, NoFileChosenKeepsTheNewListAndTheDialog) {
    g_player.japaneseUi = true;
    ShowList({{"Old", Song("old", 4)}}, "Mine");
    std::u16string message;
    bool stillOpen = false;
    QWidget* fileDialog = nullptr;
    script_.Then([&](QWidget* dialog) {
        fileDialog = dialog;
        Press(dialog, "id1013");
    });
    script_.Then(TypeName(QStringLiteral("Empty")));
    script_.Then(AnswerMessage(&message));
    // The file dialog is the modal window again once the message is gone.
    script_.Then([&](QWidget* dialog) {
        stillOpen = dialog == fileDialog && dialog->isVisible();
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(kCommandAddFiles);
    EXPECT_EQ(message, u"Midファイルが選択されていません\n１つ以上のファイルを選択してください");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Count(songLists), 2);
    EXPECT_EQ(RowCount(View()), 0);
    EXPECT_FALSE(fs::exists(ProgramDirectory() + "snglst001.lst"));
}

// At division 96 two quarter notes play 192 x 5208 microseconds, under one second; an empty
// file is no song, and a name with a line break cannot stand in a list. Every other chosen file
// is added, the three are named in one message, and the list is saved at once.
TEST_F(MidiFileDialogTest, EveryFileThatPlaysIsAddedAndTheOthersAreNamedTogether) {
    ShowList({}, "Mine");
    MusicSong("a.mid", 4);
    MusicSong("b.mid", 2);
    MusicFile("empty.mid", 0);
    MusicSong("line\nbreak.mid", 4);
    MusicSong("c.mid", 4);
    std::u16string message;
    script_.Then([&](QWidget* dialog) {
        Choose(dialog, {"a.mid", "b.mid", "c.mid", "empty.mid", "line\nbreak.mid"});
        Press(dialog, "id1012");
    });
    script_.Then(AnswerMessage(&message));
    Command(kCommandAddFiles);
    EXPECT_EQ(script_.Unexpected(), 0) << "one message, no box per file";
    ASSERT_EQ(RowCount(View()), 2);
    EXPECT_EQ(RowPath(View(), 0), music_ + "a.mid");
    EXPECT_EQ(RowPath(View(), 1), music_ + "c.mid");
    EXPECT_EQ(message, u"These files cannot be played and were not added:\n" +
                           platform::Utf8ToUtf16(music_ + "b.mid\n" + music_ + "empty.mid\n" +
                                                 music_ + "line\nbreak.mid"));
    EXPECT_NE(ListFile().find(music_ + "c.mid"), std::string::npos) << "saved";
}

// When no chosen file plays, nothing is added and the dialog stays for another choice.
TEST_F(MidiFileDialogTest, WhenNoChosenFilePlaysTheDialogStays) {
    ShowList({}, "Mine");
    MusicFile("empty.mid", 0);
    std::string rowsAfter;
    std::u16string message;
    script_.Then([&](QWidget* dialog) {
        Choose(dialog, {"empty.mid"});
        Press(dialog, "id1012");
    });
    script_.Then(AnswerMessage(&message));
    // The file dialog is the modal window again once the message is gone.
    script_.Then([&](QWidget* dialog) {
        rowsAfter = Rows(dialog);
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(kCommandAddFiles);
    EXPECT_EQ(rowsAfter, "..|empty.mid") << "the dialog stayed open";
    EXPECT_EQ(RowCount(View()), 0);
    EXPECT_NE(message.find(u"empty.mid"), std::u16string::npos);
}

// "caf\xE9.mid" is not UTF-8: the English interface shows it as CP1252, and the song row keeps
// the real bytes, so the song plays.
TEST_F(MidiFileDialogTest, ANameThatIsNotUtf8IsShownDecodedAndOpensByItsBytes) {
    ShowList({}, "Mine");
    MusicSong("caf\xE9.mid", 4);
    std::string rows;
    script_.Then([&](QWidget* dialog) {
        rows = Rows(dialog);
        Choose(dialog, {"café.mid"});
        Press(dialog, "id1012");
    });
    Command(kCommandAddFiles);
    EXPECT_EQ(rows, "..|café.mid");
    ASSERT_EQ(RowCount(View()), 1);
    EXPECT_EQ(Cell(0, kColumnFileName).toStdString(), music_ + "café.mid");
    EXPECT_EQ(
        View()->model()->index(0, kColumnFileName).data(kPathBytesRole).toByteArray().toStdString(),
        music_ + "caf\xE9.mid");
    Focus(0);
    Command(kCommandPlay);
    EXPECT_EQ(g_player.isPlaying, 1);
    EXPECT_EQ(Picture(0), kPicturePlaying);
    Command(kCommandStop);
    EXPECT_TRUE(PlayUntil([] { return g_player.isPlaying == 0; }));
}

// A track name may hold line breaks, and a path may be far longer than the handheld's 260
// characters: the title reaches the list on one line, the path whole, and the song plays after
// the list is read back.
TEST_F(MidiFileDialogTest, ALongPathAndATitleWithLineBreaksAreListedSavedAndPlayed) {
    std::string deep = music_;
    for (const char part : {'a', 'b', 'c'}) deep += std::string(200, part) + "/";
    fs::create_directories(deep);
    g_midiFileFolder = deep;
    smf::Track track;
    track.Name(0, "Innocent\r\n\r\n##SONGFILE\r\n9\r\n/etc/passwd\r\nInjected row");
    for (int i = 0; i < 4; ++i) track.Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0});
    track.End(0);
    const smf::Bytes bytes = smf::File(0, 96, {track});
    std::ofstream(deep + "song.mid", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    ShowList({}, "Mine");
    script_.Then([&](QWidget* dialog) {
        Choose(dialog, {"song.mid"});
        Press(dialog, "id1012");
    });
    Command(kCommandAddFiles);
    LoadSongListIndex();
    ShowSongList(View());
    ASSERT_EQ(RowCount(View()), 1) << ListFile();
    EXPECT_EQ(Titles(), "Innocent    ##SONGFILE  9  /etc/passwd  Injected row;");
    EXPECT_EQ(RowPath(View(), 0), deep + "song.mid");
    Focus(0);
    Command(kCommandPlay);
    EXPECT_EQ(g_player.isPlaying, 1);
    Command(kCommandStop);
    EXPECT_TRUE(PlayUntil([] { return g_player.isPlaying == 0; }));
}

}  // namespace
