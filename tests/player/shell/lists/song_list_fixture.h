// Song-list tests run on a data folder of their own, with songLists bound to a combo box and a
// list view set up as the main window has them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QComboBox>
#include <QTreeView>

#include "tests/player/model/data_folder_fixture.h"
#include "tests/player/qt_support/modal_script.h"

class SongListTest : public DataFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The names the combo box shows, in its order.
    std::vector<std::u16string> ComboNames();
    std::u16string CurrentFileName();
    std::u16string Cell(int row, int column);

    QWidget window_;
    QComboBox combo_{&window_};
    QTreeView view_{&window_};
    // Answers the message boxes; one nobody expects is cancelled, so no test hangs on it.
    ModalScript script_;
};

// The UTF-8 bytes of text.
std::string Utf8(std::u16string_view text);
