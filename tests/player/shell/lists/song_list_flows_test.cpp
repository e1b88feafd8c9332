// The song-list menu: new list, rename and delete, with the naming dialog and the message boxes
// answered from the event loop as a user would.
#include "player/shell/lists/song_list_flows.h"

#include <QLabel>

#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "tests/player/qt_support/modal_script.h"
#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

const std::string kRockList =
    "##SONGTITLE\r\nRock\r\n\r\n##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n";
const std::string kPopList =
    "##SONGTITLE\r\nPop\r\n\r\n##SONGFILE\r\n60\r\n/music/p.mid\r\nPopsong\r\n\r\n";
const std::u16string kNameUsed = u"The inputted name is already used.\nPlease input other names.";

// Notes the caption and the prompt of a window before answering it.
ModalScript::Step Look(QString* caption, QString* prompt, ModalScript::Step answer) {
    return [caption, prompt, answer](QWidget* window) {
        *caption = window->windowTitle();
        auto* label = window->findChild<QLabel*>(QStringLiteral("id1055"));
        if (label != nullptr) *prompt = label->text();
        answer(window);
    };
}

class FlowTest : public SongListTest {
protected:
    // Rock in snglst000.lst and Pop in snglst001.lst; Rock is current and shown.
    void LoadRockAndPop() {
        Write("snglst000.lst", kRockList);
        Write("snglst001.lst", kPopList);
        LoadSongListIndex();
        Select(songLists, 1);
        ShowSongList(&view_);
    }
    std::u16string CurrentName() {
        char16_t name[128];
        return GetCurrentName(songLists, name, 127) ? std::u16string(name) : u"(none)";
    }
    QString caption_, prompt_;
};

TEST_F(FlowTest, NewListTakesAFreeFileNameAndIsWrittenOnItsFirstSave) {
    LoadRockAndPop();
    script_.Then(Look(&caption_, &prompt_, TypeName(QStringLiteral("Jazz"))));
    EXPECT_EQ(CreateSongList(&view_, false), 1);
    EXPECT_EQ(caption_, QStringLiteral("NewSongList"));
    EXPECT_EQ(prompt_, QStringLiteral("Input new song name."));
    EXPECT_EQ(ComboNames(), (std::vector<std::u16string>{u"Jazz", u"Pop", u"Rock"}));
    EXPECT_EQ(CurrentName(), u"Jazz");
    EXPECT_EQ(CurrentFileName(), u"snglst002.lst");
    EXPECT_EQ(RowCount(&view_), 0);
    EXPECT_EQ(ReadList("snglst002.lst"), "(missing)");
    ASSERT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(ReadList("snglst002.lst"), "##SONGTITLE\r\nJazz\r\n\r\n");
}

TEST_F(FlowTest, ANameInUseInAnyLetterCaseIsAskedForAgain) {
    LoadRockAndPop();
    std::u16string message;
    script_.Then(Look(&caption_, &prompt_, TypeName(QStringLiteral("ROCK"))))
        .Then(AnswerMessage(&message))
        .Then(TypeName(QString::fromUtf16(u"ロック")));
    EXPECT_EQ(CreateSongList(&view_, true), 1);
    EXPECT_EQ(message, u"入力された名前は既に使われています。\n他の名前を入力してください。");
    EXPECT_EQ(caption_, QString::fromUtf16(u"新規ソングリスト"));
    EXPECT_EQ(prompt_, QString::fromUtf16(u"ソングリスト名を入力"));
    EXPECT_EQ(CurrentName(), u"ロック");
}

TEST_F(FlowTest, CancelOrAnEmptyNameChangesNoList) {
    LoadRockAndPop();
    script_.Then(CancelDialog())
        .Then(TypeName(QString()))
        .Then(Look(&caption_, &prompt_, CancelDialog()));
    EXPECT_EQ(CreateSongList(&view_, false), 0);
    EXPECT_EQ(CreateSongList(&view_, false), 0);
    EXPECT_EQ(RenameSongList(&view_, true), 0);
    EXPECT_EQ(caption_, QString::fromUtf16(u"ソングリストの名前変更"));
    EXPECT_EQ(prompt_, QString::fromUtf16(u"現在:Rock"));
    EXPECT_EQ(ComboNames(), (std::vector<std::u16string>{u"Pop", u"Rock"}));
    EXPECT_EQ(ReadList("snglst000.lst"), kRockList);
    EXPECT_EQ(script_.Unexpected(), 0);
}

TEST_F(FlowTest, TwoNewListsBeforeAnySaveGetFilesOfTheirOwn) {
    script_.Then(TypeName(QStringLiteral("First"))).Then(TypeName(QStringLiteral("Second")));
    CreateSongList(&view_, false);
    CreateSongList(&view_, false);
    EXPECT_EQ(SaveSongList(&view_), 1);
    Select(songLists, 0);
    EXPECT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(ReadList("snglst000.lst"), "##SONGTITLE\r\nFirst\r\n\r\n");
    EXPECT_EQ(ReadList("snglst001.lst"), "##SONGTITLE\r\nSecond\r\n\r\n");
}

TEST_F(FlowTest, RenameRefusesEveryUsedNameAndKeepsTheFileName) {
    LoadRockAndPop();
    std::u16string toOther, toItself;
    script_.Then(Look(&caption_, &prompt_, TypeName(QStringLiteral("pop"))))
        .Then(AnswerMessage(&toOther))
        .Then(TypeName(QStringLiteral("ROCK")))
        .Then(AnswerMessage(&toItself))
        .Then(TypeName(QStringLiteral("Metal")));
    EXPECT_EQ(RenameSongList(&view_, false), 1);
    EXPECT_EQ(caption_, QStringLiteral("Change song name."));
    EXPECT_EQ(prompt_, QStringLiteral("now:Rock"));
    EXPECT_EQ(toOther, kNameUsed);
    EXPECT_EQ(toItself, kNameUsed);
    EXPECT_EQ(ComboNames(), (std::vector<std::u16string>{u"Metal", u"Pop"}));
    EXPECT_EQ(CurrentName(), u"Metal");
    EXPECT_EQ(ReadList("snglst000.lst"),
              "##SONGTITLE\r\nMetal\r\n\r\n##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n");
}

TEST_F(FlowTest, DeleteAsksFirstThenShowsTheFirstListLeft) {
    LoadRockAndPop();
    std::u16string question;
    QWidget* owner = nullptr;
    script_.Then(AnswerMessage(&question, QMessageBox::Cancel)).Then([&](QWidget* box) {
        owner = box->parentWidget();
        AnswerMessage (&question)(box);
    });
    DeleteSongList(&view_, false);
    EXPECT_EQ(ReadList("snglst000.lst"), kRockList);
    DeleteSongList(&view_, false);
    EXPECT_EQ(question, u"May I delete the songlist displayed now?");
    EXPECT_EQ(owner, &window_);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"snglst001.lst"});
    EXPECT_EQ(ComboNames(), std::vector<std::u16string>{u"Pop"});
    EXPECT_EQ(Cell(0, kColumnTitle), u"Popsong");
}

TEST_F(FlowTest, DeletingTheLastListEmptiesViewAndComboBox) {
    Write("snglst000.lst", kRockList);
    LoadSongListIndex();
    ShowSongList(&view_);
    std::u16string question;
    script_.Then(AnswerMessage(&question));
    DeleteSongList(&view_, true);
    EXPECT_EQ(question, u"現在表示されているソングリストを削除します。\nよろしいですか？");
    EXPECT_TRUE(FolderNames().empty());
    EXPECT_EQ(combo_.count(), 0);
    EXPECT_EQ(RowCount(&view_), 0);
}

TEST_F(FlowTest, WithoutAListRenameAndDeleteAskNothing) {
    EXPECT_EQ(RenameSongList(&view_, false), 0);
    DeleteSongList(&view_, false);
    EXPECT_EQ(script_.Unexpected(), 0);
}

}  // namespace
