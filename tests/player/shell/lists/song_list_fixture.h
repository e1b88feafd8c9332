// Song-list tests run on a data folder of their own (XDG_DATA_HOME in a temporary folder), with
// songLists bound to a combo box and a list view set up as the main window has them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QComboBox>
#include <QTreeView>

#include "tests/player/qt_support/modal_script.h"

class SongListTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes or reads a file of the data folder byte for byte; ReadList gives "(missing)".
    void WriteList(const std::string& name, const std::string& bytes);
    std::string ReadList(const std::string& name);
    // The names of the data folder, sorted.
    std::vector<std::string> FolderNames();
    // The names the combo box shows, in its order.
    std::vector<std::u16string> ComboNames();
    std::u16string CurrentFileName();
    std::u16string Cell(int row, int column);

    std::string root_;
    std::string folder_;  // with its trailing '/'
    QWidget window_;
    QComboBox combo_{&window_};
    QTreeView view_{&window_};
    // Answers the message boxes; one nobody expects is cancelled, so no test hangs on it.
    ModalScript script_;
};

// The UTF-8 bytes of text.
std::string Utf8(std::u16string_view text);
