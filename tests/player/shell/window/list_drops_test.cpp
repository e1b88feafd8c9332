// Dropping onto the list: files and folders from a file manager are pre-scanned and added to
// the shown list, the unplayable ones named in one message, and the list is written; a list that
// could not be read refuses them; rows dragged within the list move there as a block, the
// playing row followed.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "player/model/player_state.h"
#include "player/model/song_list_folder.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

namespace fs = std::filesystem;

class ListDropsTest : public WindowTest {
protected:
    // A song of the test folder moved to the path (made with its folders).
    std::string SongAt(const std::string& path) {
        fs::create_directories(fs::path(path).parent_path());
        fs::rename(Song("moved", 40), path);
        return path;
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (int row = 0; row < RowCount(View()); ++row) paths.push_back(RowPath(View(), row));
        return paths;
    }
    std::string SavedList() const {
        std::ifstream file(ProgramDirectory() + "snglst000.lst", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    // A drag from another program over the list, dropped on it; whether the drop was taken.
    bool DropFiles(const std::vector<std::string>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
        data.setUrls(urls);
        const QPoint at = View()->viewport()->rect().center();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(View()->viewport(), &enter);
        QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(View()->viewport(), &move);
        QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(View()->viewport(), &drop);
        DeliverReports();
        return enter.isAccepted() && move.isAccepted() && drop.isAccepted() &&
               drop.dropAction() == Qt::CopyAction;
    }
    // The rows dragged within the list and dropped before row target, as the view hands them
    // to its model.
    bool DragRows(std::initializer_list<int> rows, int target) {
        QModelIndexList indexes;
        for (int row : rows) {
            for (int column = 0; column < 4; ++column)
                indexes.push_back(View()->model()->index(row, column));
        }
        std::unique_ptr<QMimeData> data(View()->model()->mimeData(indexes));
        return View()->model()->dropMimeData(data.get(), Qt::MoveAction, target, 0, QModelIndex());
    }
};

TEST_F(ListDropsTest, DroppedFilesAndFoldersAreAddedAndTheUnplayableOnesNamedInOneMessage) {
    ShowList({{"A", Song("a")}});
    const std::string folder = folder_ + "dropped";
    const std::string zed = SongAt(folder + "/zed.KAR");
    const std::string beta = SongAt(folder + "/Beta.midi");
    const std::string alpha = SongAt(folder + "/alpha.Rmi");
    const std::string mid = SongAt(folder + "/mid.mid");
    SongAt(folder + "/inner/deep.mid");
    std::ofstream(folder + "/notes.txt") << "not a song";
    const std::string solo = SongAt(folder_ + "solo.mid");
    const std::string broken = folder_ + "broken.mid";
    std::ofstream(broken) << "no MIDI file";
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    ASSERT_TRUE(DropFiles({solo, folder, broken}));
    EXPECT_EQ(Paths(), (std::vector<std::string>{folder_ + "a.mid", solo, alpha, beta, mid, zed}));
    EXPECT_EQ(shown, u"These files cannot be played and were not added:\n" +
                         QString::fromStdString(broken).toStdU16String());
    for (const std::string& path : {solo, alpha, beta, mid, zed})
        EXPECT_NE(SavedList().find(path), std::string::npos) << path;
    EXPECT_EQ(SavedList().find("deep.mid"), std::string::npos);
}

TEST_F(ListDropsTest, AListThatCouldNotBeReadRefusesTheDropWithItsMessage) {
    std::ofstream(ProgramDirectory() + "snglst000.lst", std::ios::binary)
        << "notes of another program\n";
    std::u16string readMessage, dropMessage;
    script_.Then(AnswerMessage(&readMessage)).Then(AnswerMessage(&dropMessage));
    LoadSongListIndex();
    ShowSongList(View());
    const std::string solo = Song("solo");
    DropFiles({solo});
    EXPECT_EQ(RowCount(View()), 0);
    EXPECT_NE(dropMessage.find(u"cannot be changed"), std::u16string::npos);
    EXPECT_EQ(SavedList(), "notes of another program\n");
}

TEST_F(ListDropsTest, OtherDropsThanLocalFilesAreNotTaken) {
    ShowList({{"A", Song("a")}});
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/song.mid"))});
    const QPoint at = View()->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(View()->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(RowCount(View()), 1);
}

TEST_F(ListDropsTest, DraggedRowsMoveAsABlockAndThePlayingRowIsFollowed) {
    ShowList({{"A", Song("a", 40)},
              {"B", Song("b", 40)},
              {"C", Song("c", 40)},
              {"D", Song("d", 40)},
              {"E", Song("e", 40)}});
    Focus(1);
    Command(kCommandPlay);
    ASSERT_EQ(g_player.isPlaying, 1);
    ASSERT_TRUE(DragRows({4, 3}, 1));  // D E before B
    EXPECT_EQ(Cell(0, kColumnTitle) + Cell(1, kColumnTitle) + Cell(2, kColumnTitle) +
                  Cell(3, kColumnTitle) + Cell(4, kColumnTitle),
              QStringLiteral("ADEBC"));
    EXPECT_EQ(g_player.currentSong, 3);
    EXPECT_EQ(Picture(3), kPicturePlaying);
    const std::string saved = SavedList();
    EXPECT_LT(saved.find("d.mid"), saved.find("e.mid"));
    EXPECT_LT(saved.find("e.mid"), saved.find("b.mid"));
    ASSERT_TRUE(DragRows({3}, -1));  // the playing row to the end
    EXPECT_EQ(g_player.currentSong, 4);
    EXPECT_EQ(Picture(4), kPicturePlaying);
    EXPECT_EQ(Cell(4, kColumnTitle), QStringLiteral("B"));
}

}  // namespace
