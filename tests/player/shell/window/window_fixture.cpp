#include "tests/player/shell/window/window_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QThread>

#include "library/tesalo.h"
#include "midi/smf_image.h"
#include "platform/messages.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/model/song_list_folder.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "player/shell/window/main_window_proc.h"
#include "player/shell/window/play_control.h"
#include "tests/doubles/waveout_null.h"
#include "tests/support/smf_builder.h"

namespace {

void StartNullLibrary(platform::WindowHandle window) {
    platform::WaveOutUseNull(platform::NullPacing::kManual);
    ASSERT_EQ(TeInit(TE_FORMAT_22K_8, window, 16, 0), 1);
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    ASSERT_TRUE(LoadFileImage(TESALO_BIN_DIR "/voice.txt", &image, &size));
    TeVoiceSet(image, static_cast<std::int32_t>(size));
    FreeFileImage(image);
}

}  // namespace

void WindowTest::SetUp() {
    char pattern[] = "/tmp/tesalo-window-XXXXXX";
    folder_ = std::string(mkdtemp(pattern)) + "/";
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) {
        setenv(name, folder_.c_str(), 1);
    }
    g_player = PlayerState{};
    g_player.notifyMessage = platform::RegisterMessageName(TE_NOTIFY_MESSAGE);
    g_settings = PlayerSettings{};
    window_ = std::make_unique<MainWindow>();
    window_->resize(640, 480);
    window_->show();
    SetupSongListView(View(), 160, 40);
    Bind(songLists, window_.get(), Controls().songListCombo);
    StartNullLibrary(Controls().bridge);
}

void WindowTest::TearDown() {
    EXPECT_EQ(script_.Unexpected(), 0) << "a message box the test did not expect";
    // The library is cleaned up idle, as the window leaves it at exit: a song still playing
    // stops first, or the library's thread could still be making a block.
    if (g_player.isPlaying == 1) {
        StopFor(kPendingStop);
        EXPECT_TRUE(PlayUntil([] { return g_player.isPlaying == 0; }));
    }
    TeCleanUp();
    window_.reset();
    std::filesystem::remove_all(folder_);
}

std::string WindowTest::Song(const std::string& name, int quarters) {
    smf::Track track;
    track.Name(0, name.c_str());
    for (int i = 0; i < quarters; ++i) track.Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0});
    track.End(0);
    const smf::Bytes bytes = smf::File(0, 96, {track});
    const std::string path = folder_ + name + ".mid";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string WindowTest::Missing(const std::string& name) {
    return folder_ + "gone/" + name + ".mid";
}

void WindowTest::ShowList(const std::vector<TestRow>& rows, const std::string& title,
                          const std::string& file) {
    std::ofstream list(ProgramDirectory() + file, std::ios::binary);
    list << "##SONGTITLE\r\n" << title << "\r\n\r\n";
    for (const TestRow& row : rows) {
        list << "##SONGFILE\r\n1\r\n" << row.path << "\r\n" << row.title << "\r\n\r\n";
    }
    list.close();
    LoadSongListIndex();
    ShowSongList(View());
}

void WindowTest::Command(int id) { RunCommand(Controls(), id); }

bool WindowTest::PlayUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 5000) return false;
        platform::WaveOutNullComplete(1);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void WindowTest::DeliverReports() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

int WindowTest::Picture(int row) const {
    return View()->model()->index(row, kColumnState).data(kPictureRole).toInt();
}

QString WindowTest::Cell(int row, int column) const {
    return View()->model()->index(row, column).data().toString();
}

std::vector<int> WindowTest::SelectedRowList() const {
    std::vector<int> rows;
    for (int row = 0; row < RowCount(View()); ++row) {
        if (View()->selectionModel()->isRowSelected(row, QModelIndex())) rows.push_back(row);
    }
    return rows;
}

std::string WindowTest::Titles() const {
    std::string titles;
    for (int row = 0; row < RowCount(View()); ++row)
        titles += Cell(row, kColumnTitle).toStdString();
    return titles;
}

void WindowTest::Select(std::initializer_list<int> rows) {
    View()->clearSelection();
    for (int row : rows) {
        View()->selectionModel()->select(View()->model()->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

bool WindowTest::ButtonEnabled(int id) const { return ControlButton(Controls(), id)->isEnabled(); }

void WindowTest::Focus(int row) {
    View()->clearSelection();
    FocusRow(View(), row, true);
}
