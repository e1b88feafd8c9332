// The song-list menu: new list, rename and delete, with the naming dialog and the message boxes
// answered from the event loop as a user would.
#include "player/data/song_list_flows.h"

#include <QLabel>

#include "player/data/song_list_files.h"
#include "player/data/song_list_view.h"
#include "player/data/string_list.h"
#include "tests/player/data/qt/song_list_fixture.h"
#include "tests/player/qt_support/modal_script.h"

namespace {

const std::string kRockList =
    "##SONGTITLE\r\nRock\r\n\r\n##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n";
const std::string kPopList =
    "##SONGTITLE\r\nPop\r\n\r\n##SONGFILE\r\n60\r\n/music/p.mid\r\nPopsong\r\n\r\n";

const std::u16string kNameUsedJapanese =
    u"入力された名前は既に使われています。\n他の名前を入力してください。";
const std::u16string kNameUsedEnglish = u"The inputted name is already used.\nPlease input other names.";

struct SeenWindow {
    QString caption;
    QString prompt;
    QWidget* owner = nullptr;
};

ModalScript::Step Look(SeenWindow* seen, ModalScript::Step answer) {
    return [seen, answer](QWidget* window) {
        seen->caption = window->windowTitle();
        if (auto* prompt = window->findChild<QLabel*>(QStringLiteral("id1055"))) {
            seen->prompt = prompt->text();
        }
        seen->owner = window->parentWidget();
        answer(window);
    };
}

class FlowTest : public SongListTest {
protected:
    // Rock in snglst000.lst and Pop in snglst001.lst; Rock is current and shown.
    void LoadRockAndPop() {
        WriteList("snglst000.lst", kRockList);
        WriteList("snglst001.lst", kPopList);
        LoadSongListIndex();
        Select(songLists, 1);
        ShowSongList(&view_);
    }
    std::u16string CurrentName() {
        char16_t name[128];
        return GetCurrentName(songLists, name, 127) ? std::u16string(name) : u"(none)";
    }
    void ExpectScriptDone(const ModalScript& script) {
        EXPECT_EQ(script.Pending(), 0u);
        EXPECT_EQ(script.Unexpected(), 0);
    }
};

TEST_F(FlowTest, NewListTakesAFreeFileNameAndIsWrittenOnItsFirstSave) {
    WriteList("snglst000.lst", kRockList);
    WriteList("snglst002.lst", kPopList);
    LoadSongListIndex();
    ShowSongList(&view_);
    SeenWindow seen;
    ModalScript script;
    script.Then(Look(&seen, TypeName(QStringLiteral("Jazz"))));
    EXPECT_EQ(CreateSongList(&view_, false), 1);
    ExpectScriptDone(script);
    EXPECT_EQ(seen.caption, QStringLiteral("NewSongList"));
    EXPECT_EQ(seen.prompt, QStringLiteral("Input new song name."));
    EXPECT_EQ(ComboNames(), (std::vector<std::u16string>{u"Jazz", u"Pop", u"Rock"}));
    EXPECT_EQ(CurrentName(), u"Jazz");
    EXPECT_EQ(CurrentFileName(), u"snglst001.lst");
    EXPECT_EQ(view_.topLevelItemCount(), 0);
    EXPECT_EQ(ReadList("snglst001.lst"), "(missing)");
    AppendSongRow(&view_, {5, u"/j.mid", u"J"});
    ASSERT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(ReadList("snglst001.lst"),
              "##SONGTITLE\r\nJazz\r\n\r\n##SONGFILE\r\n5\r\n/j.mid\r\nJ\r\n\r\n");
}

TEST_F(FlowTest, ANameInUseInAnyLetterCaseIsAskedForAgain) {
    LoadRockAndPop();
    SeenWindow first, second;
    std::u16string message;
    ModalScript script;
    script.Then(Look(&first, TypeName(QStringLiteral("ROCK"))))
        .Then(AnswerMessage(&message))
        .Then(Look(&second, TypeName(QString::fromUtf16(u"ロック"))));
    EXPECT_EQ(CreateSongList(&view_, true), 1);
    ExpectScriptDone(script);
    EXPECT_EQ(message, kNameUsedJapanese);
    EXPECT_EQ(first.caption, QString::fromUtf16(u"新規ソングリスト"));
    EXPECT_EQ(second.prompt, QString::fromUtf16(u"ソングリスト名を入力"));
    EXPECT_EQ(ComboNames(), (std::vector<std::u16string>{u"Pop", u"Rock", u"ロック"}));
    EXPECT_EQ(CurrentName(), u"ロック");
}

TEST_F(FlowTest, CancelOrAnEmptyNameMakesNoList) {
    LoadRockAndPop();
    ModalScript script;
    script.Then(CancelDialog()).Then(TypeName(QString()));
    EXPECT_EQ(CreateSongList(&view_, false), 0);
    EXPECT_EQ(CreateSongList(&view_, false), 0);
    ExpectScriptDone(script);
    EXPECT_EQ(Count(songLists), 2);
    EXPECT_EQ(CurrentName(), u"Rock");
    EXPECT_EQ(view_.topLevelItemCount(), 1);
}

TEST_F(FlowTest, TwoNewListsBeforeAnySaveGetFilesOfTheirOwn) {
    ModalScript script;
    script.Then(TypeName(QStringLiteral("First"))).Then(TypeName(QStringLiteral("Second")));
    ASSERT_EQ(CreateSongList(&view_, false), 1);
    ASSERT_EQ(CreateSongList(&view_, false), 1);
    ExpectScriptDone(script);
    EXPECT_EQ(SaveSongList(&view_), 1);
    Select(songLists, 0);
    EXPECT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(ReadList("snglst000.lst"), "##SONGTITLE\r\nFirst\r\n\r\n");
    EXPECT_EQ(ReadList("snglst001.lst"), "##SONGTITLE\r\nSecond\r\n\r\n");
}

TEST_F(FlowTest, RenameRefusesEveryUsedNameAndKeepsTheFileName) {
    LoadRockAndPop();
    SeenWindow seen;
    std::u16string toOther, toItself;
    ModalScript script;
    script.Then(Look(&seen, TypeName(QStringLiteral("pop"))))
        .Then(AnswerMessage(&toOther))
        .Then(TypeName(QStringLiteral("ROCK")))
        .Then(AnswerMessage(&toItself))
        .Then(TypeName(QStringLiteral("Metal")));
    EXPECT_EQ(RenameSongList(&view_, false), 1);
    ExpectScriptDone(script);
    EXPECT_EQ(seen.caption, QStringLiteral("Change song name."));
    EXPECT_EQ(seen.prompt, QStringLiteral("now:Rock"));
    EXPECT_EQ(toOther, kNameUsedEnglish);
    EXPECT_EQ(toItself, kNameUsedEnglish);
    EXPECT_EQ(ComboNames(), (std::vector<std::u16string>{u"Metal", u"Pop"}));
    EXPECT_EQ(CurrentName(), u"Metal");
    EXPECT_EQ(CurrentFileName(), u"snglst000.lst");
    EXPECT_EQ(ReadList("snglst000.lst"),
              "##SONGTITLE\r\nMetal\r\n\r\n##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n");
    EXPECT_EQ(ReadList("snglst001.lst"), kPopList);
}

TEST_F(FlowTest, CancelledRenameChangesNothing) {
    LoadRockAndPop();
    SeenWindow seen;
    ModalScript script;
    script.Then(Look(&seen, CancelDialog()));
    EXPECT_EQ(RenameSongList(&view_, true), 0);
    ExpectScriptDone(script);
    EXPECT_EQ(seen.caption, QString::fromUtf16(u"ソングリストの名前変更"));
    EXPECT_EQ(seen.prompt, QString::fromUtf16(u"現在:Rock"));
    EXPECT_EQ(ComboNames(), (std::vector<std::u16string>{u"Pop", u"Rock"}));
    EXPECT_EQ(ReadList("snglst000.lst"), kRockList);
}

TEST_F(FlowTest, DeleteAsksFirstThenShowsTheFirstListLeft) {
    LoadRockAndPop();
    SeenWindow seen;
    std::u16string question;
    ModalScript script;
    script.Then(Look(&seen, AnswerMessage(&question, QMessageBox::Cancel)))
        .Then(AnswerMessage(&question, QMessageBox::Ok));
    DeleteSongList(&view_, false);
    EXPECT_EQ(question, u"May I delete the songlist displayed now?");
    EXPECT_EQ(seen.caption, QStringLiteral("Tesalo"));
    EXPECT_EQ(seen.owner, &window_);
    EXPECT_EQ(ReadList("snglst000.lst"), kRockList);
    EXPECT_EQ(Count(songLists), 2);
    DeleteSongList(&view_, false);
    ExpectScriptDone(script);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"snglst001.lst"});
    EXPECT_EQ(ComboNames(), std::vector<std::u16string>{u"Pop"});
    EXPECT_EQ(CurrentName(), u"Pop");
    EXPECT_EQ(Cell(0, kColumnTitle), u"Popsong");
}

TEST_F(FlowTest, DeletingTheLastListEmptiesViewAndComboBox) {
    WriteList("snglst000.lst", kRockList);
    LoadSongListIndex();
    ShowSongList(&view_);
    std::u16string question;
    ModalScript script;
    script.Then(AnswerMessage(&question));
    DeleteSongList(&view_, true);
    ExpectScriptDone(script);
    EXPECT_EQ(question, u"現在表示されているソングリストを削除します。\nよろしいですか？");
    EXPECT_TRUE(FolderNames().empty());
    EXPECT_EQ(Count(songLists), 0);
    EXPECT_EQ(combo_.count(), 0);
    EXPECT_EQ(view_.topLevelItemCount(), 0);
}

TEST_F(FlowTest, WithoutAListRenameAndDeleteAskNothing) {
    AppendSongRow(&view_, {1, u"/x.mid", u"X"});
    ModalScript script;
    EXPECT_EQ(RenameSongList(&view_, false), 0);
    DeleteSongList(&view_, false);
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_EQ(view_.topLevelItemCount(), 1);
}

}  // namespace
