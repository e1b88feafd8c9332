// The list as the mouse and the keys use it: a double-click plays its row, Enter plays the
// focused row and stops again, the Delete key deletes the selected rows as the Delete button
// does, and every picture button names itself in the interface language.
#include <fstream>
#include <sstream>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "player/model/player_state.h"
#include "player/model/song_list_folder.h"
#include "player/shell/lists/song_list_view.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

bool Playing() { return g_player.isPlaying == 1; }

class ListGesturesTest : public WindowTest {
protected:
    void ShowFour() {
        ShowList({{"A", Song("a", 40)},
                  {"B", Song("b", 40)},
                  {"C", Song("c", 40)},
                  {"D", Song("d", 40)}});
    }
    QPoint RowPoint(int row) const {
        return View()->visualRect(View()->model()->index(row, kColumnTitle)).center();
    }
    // As the window system delivers it: a click, then the second press as a double-click.
    void DoubleClickAt(QPoint at) {
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(View()->viewport(), Qt::LeftButton, {}, at);
    }
    void DoubleClick(int row) { DoubleClickAt(RowPoint(row)); }
    void Key(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(View(), &press);
    }
    std::string SavedList() const {
        std::ifstream file(ProgramDirectory() + "snglst000.lst", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
};

TEST_F(ListGesturesTest, ADoubleClickPlaysItsRowAndSelectsItAsAClickDoes) {
    ShowFour();
    Select({0});
    DoubleClick(2);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(g_player.currentSong, 2);
    EXPECT_EQ(Picture(2), kPicturePlaying);
    EXPECT_EQ(FocusedRow(View()), 2);
    EXPECT_EQ(SelectedRowList(), std::vector<int>{2});
}

TEST_F(ListGesturesTest, ADoubleClickWhileASongPlaysPlaysTheClickedRowNext) {
    ShowFour();
    Focus(0);
    Command(kCommandPlay);
    ASSERT_TRUE(Playing());
    DoubleClick(3);
    ASSERT_TRUE(PlayUntil([] { return Playing() && g_player.currentSong == 3; }));
    EXPECT_EQ(Picture(3), kPicturePlaying);
    EXPECT_EQ(Picture(0), kPictureNormal);
}

TEST_F(ListGesturesTest, ADoubleClickBelowTheRowsPlaysNothing) {
    ShowFour();
    DoubleClickAt(QPoint(40, View()->viewport()->height() - 2));
    EXPECT_FALSE(Playing());
}

TEST_F(ListGesturesTest, EnterOnTheListPlaysTheFocusedRowAndEnterAgainStops) {
    ShowFour();
    Focus(1);
    Key(Qt::Key_Return);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(g_player.currentSong, 1);
    Key(Qt::Key_Enter);
    EXPECT_TRUE(PlayUntil([] { return !Playing(); }));
}

TEST_F(ListGesturesTest, TheDeleteKeyDeletesTheSelectedRowsAndSavesTheList) {
    ShowFour();
    Select({1, 3});
    Key(Qt::Key_Delete);
    EXPECT_EQ(Titles(), "AC");
    EXPECT_EQ(SavedList().find("b.mid"), std::string::npos);
    EXPECT_NE(SavedList().find("c.mid"), std::string::npos);
}

TEST_F(ListGesturesTest, TheDeleteKeyRefusesThePlayingRowAsTheButtonDoes) {
    ShowFour();
    Focus(2);
    Command(kCommandPlay);
    Select({1, 2});
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    Key(Qt::Key_Delete);
    EXPECT_EQ(shown, u"The item under playing cannot be deleted.");
    EXPECT_EQ(Titles(), "ABCD");
    Select({0});
    Key(Qt::Key_Delete);  // rows besides the playing one go while it plays on
    EXPECT_EQ(Titles(), "BCD");
    EXPECT_EQ(g_player.currentSong, 1);
    EXPECT_EQ(Picture(1), kPicturePlaying);
}

const std::pair<int, const char16_t*> kEnglishTips[] = {
    {kCommandPlay, u"Play"},          {kCommandStop, u"Stop"},
    {kCommandPrevious, u"Previous"},  {kCommandNext, u"Next"},
    {kCommandSettings, u"Settings"},  {kCommandAddFiles, u"Add files"},
    {kCommandDeleteRows, u"Delete"},  {kCommandMoveUp, u"Move up"},
    {kCommandMoveDown, u"Move down"}, {kCommandVolume, u"Volume"},
    {kCommandCloseButton, u"Close"},  {kCommandSongListMenu, u"Song lists"}};

const std::pair<int, const char16_t*> kJapaneseTips[] = {
    {kCommandPlay, u"再生"},          {kCommandStop, u"停止"},
    {kCommandPrevious, u"前の曲"},    {kCommandNext, u"次の曲"},
    {kCommandSettings, u"設定"},      {kCommandAddFiles, u"ファイルの追加"},
    {kCommandDeleteRows, u"削除"},    {kCommandMoveUp, u"上へ移動"},
    {kCommandMoveDown, u"下へ移動"},  {kCommandVolume, u"音量"},
    {kCommandCloseButton, u"閉じる"}, {kCommandSongListMenu, u"ソングリスト"}};

TEST_F(ListGesturesTest, EveryButtonNamesItselfInTheInterfaceLanguage) {
    for (const auto& [id, tip] : kEnglishTips) {
        EXPECT_EQ(ControlButton(Controls(), id)->toolTip(), QString::fromUtf16(tip)) << id;
    }
    g_player.japaneseUi = true;
    const MainWindow japanese;
    for (const auto& [id, tip] : kJapaneseTips) {
        EXPECT_EQ(ControlButton(japanese.Controls(), id)->toolTip(), QString::fromUtf16(tip)) << id;
    }
}

}  // namespace
