// The window's place and the song list it showed, kept from one run to the next: restored when
// they still fit, and today's start (maximized, the first list) when they do not.
#include "player/shell/window/window_place.h"

#include <climits>
#include <string>
#include <vector>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "library/tesalo.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/window/window_start.h"
#include "tests/doubles/waveout_null.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

class WindowPlaceTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        TeCleanUp();  // the start starts the library itself
        g_windowMemory = WindowMemory{};
        platform::WaveOutUseNull(platform::NullPacing::kManual);
    }
    void TearDown() override {
        g_windowMemory = WindowMemory{};
        WindowTest::TearDown();
    }
    void Remember(int x, int y, int width, int height, int maximized) {
        g_windowMemory = WindowMemory{x, y, width, height, maximized, u""};
    }
    // The restored geometry of the first start: three quarters of the work area, centred.
    static QRect FirstStartGeometry() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QRect restored(QPoint(), area.size() * 3 / 4);
        restored.moveCenter(area.center());
        return restored;
    }
    std::u16string ShownListFile() const {
        const SongListRecord* record = CurrentSongListRecord();
        return record != nullptr ? std::u16string(record->fileName) : u"";
    }
};

TEST_F(WindowPlaceTest, TheKeptGeometryAndStateAreRestored) {
    Remember(100, 80, 500, 400, 0);
    InitMainWindow(Controls());
    DeliverReports();
    EXPECT_FALSE(window_->isMaximized());
    EXPECT_EQ(window_->normalGeometry(), QRect(100, 80, 500, 400));

    QDialog maximized;
    Remember(120, 90, 400, 300, 1);
    PlaceMainWindow(&maximized);
    EXPECT_TRUE(maximized.isMaximized());
    EXPECT_EQ(maximized.normalGeometry(), QRect(120, 90, 400, 300));
}

// A screen that is gone, a size below the smallest useful one, a title bar above the screen,
// numbers no desktop has: the window opens as at the first start, never out of reach.
TEST_F(WindowPlaceTest, AKeptGeometryNoScreenCanShowIsIgnored) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    struct Kept {
        int x, y, width, height;
    };
    const std::vector<Kept> places = {
        {area.right() + 100, 50, 500, 400}, {-2000, -2000, 500, 400},    {100, 80, 120, 90},
        {100, area.top() - 200, 500, 400},  {INT_MAX - 10, 0, 500, 400}, {0, 0, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, 500, 400},       {100, 80, -500, 400}};
    for (const Kept& place : places) {
        QDialog window;
        Remember(place.x, place.y, place.width, place.height, 0);
        PlaceMainWindow(&window);
        EXPECT_TRUE(window.isMaximized()) << place.x << "," << place.y << " " << place.width;
        EXPECT_EQ(window.normalGeometry(), FirstStartGeometry()) << place.x << "," << place.y;
    }
}

TEST_F(WindowPlaceTest, WithoutAKeptGeometryTheWindowOpensMaximized) {
    InitMainWindow(Controls());
    DeliverReports();
    EXPECT_TRUE(window_->isMaximized());
    EXPECT_EQ(window_->normalGeometry(), FirstStartGeometry());
}

TEST_F(WindowPlaceTest, TheWindowsRestoredGeometryAndStateAreKept) {
    window_->showNormal();
    window_->setGeometry(110, 70, 520, 410);
    DeliverReports();
    KeepWindowPlace(window_.get());
    EXPECT_EQ((std::vector<int>{g_windowMemory.windowX, g_windowMemory.windowY,
                                g_windowMemory.windowWidth, g_windowMemory.windowHeight,
                                g_windowMemory.windowMaximized}),
              (std::vector<int>{110, 70, 520, 410, 0}));
    window_->showMaximized();
    DeliverReports();
    KeepWindowPlace(window_.get());
    EXPECT_EQ((std::vector<int>{g_windowMemory.windowX, g_windowMemory.windowY,
                                g_windowMemory.windowWidth, g_windowMemory.windowHeight,
                                g_windowMemory.windowMaximized}),
              (std::vector<int>{110, 70, 520, 410, 1}));
}

class LastListTest : public WindowPlaceTest {
protected:
    void SetUp() override {
        WindowPlaceTest::SetUp();
        ShowList({{"One", Song("one")}}, "A songs", "snglst000.lst");
        ShowList({{"Two", Song("two")}, {"Three", Song("three")}}, "B songs", "snglst001.lst");
    }
};

TEST_F(LastListTest, TheListShownLastIsShownAgainAndKept) {
    g_windowMemory.lastSongList = u"snglst001.lst";
    InitMainWindow(Controls());
    EXPECT_EQ(ShownListFile(), u"snglst001.lst");
    EXPECT_EQ(RowCount(View()), 2);
    g_windowMemory.lastSongList.clear();
    KeepShownSongList();
    EXPECT_EQ(g_windowMemory.lastSongList, u"snglst001.lst");
}

TEST_F(LastListTest, AListThatIsGoneGivesTheFirst) {
    g_windowMemory.lastSongList = u"snglst007.lst";
    InitMainWindow(Controls());
    EXPECT_EQ(ShownListFile(), u"snglst000.lst");
    EXPECT_EQ(RowCount(View()), 1);
}

}  // namespace
