// Main-window tests: the real window offscreen, its song list in a data folder of the test's
// own, and the library on the null device with manual pacing, so a song plays exactly as long
// as the test completes its blocks.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <QTreeView>

#include "player/shell/lists/song_list_view.h"
#include "player/shell/window/main_window.h"
#include "tests/player/qt_support/modal_script.h"

struct TestRow {
    std::string title;
    std::string path;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A song of `quarters` quarter notes in the test folder; its path.
    std::string Song(const std::string& name, int quarters = 2);
    // A path where no file is.
    std::string Missing(const std::string& name);
    // Writes the list file and shows it, as the start does.
    void ShowList(const std::vector<TestRow>& rows, const std::string& title = "Songs",
                  const std::string& file = "snglst000.lst");

    const MainWindowControls& Controls() const { return window_->Controls(); }
    QTreeView* View() const { return Controls().listView; }
    // The text of a cell of the list view.
    QString Cell(int row, int column) const;
    // The selected rows, in order.
    std::vector<int> SelectedRowList() const;
    // The titles of the rows, in order, one letter each in the tests that use it.
    std::string Titles() const;
    // Exactly these rows are selected; the focus stays.
    void Select(std::initializer_list<int> rows);
    void Command(int id);
    // Delivers the library's reports, completing queued blocks, until done() or 5 seconds.
    bool PlayUntil(const std::function<bool()>& done);
    // Delivers what is posted without letting any block finish.
    void DeliverReports();
    int Picture(int row) const;
    bool ButtonEnabled(int id) const;
    QString Caption() const { return window_->windowTitle(); }
    void Focus(int row);

    std::string folder_;  // with its trailing '/'
    std::unique_ptr<MainWindow> window_;
    ModalScript script_;
};
