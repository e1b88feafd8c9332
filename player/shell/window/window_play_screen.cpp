#include "player/shell/window/window_play_screen.h"

#include <QAbstractButton>
#include <QDialog>
#include <QTreeView>

#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/song_list_view.h"

const SongRows& WindowPlayScreen::Rows() const { return ShownRows(controls_.listView)->Rows(); }

void WindowPlayScreen::SetMark(int row, RowMark mark) {
    ShownRows(controls_.listView)->SetMark(row, mark);
}

void WindowPlayScreen::ResetMarks() { ShownRows(controls_.listView)->ResetMarks(); }

int WindowPlayScreen::FocusedRow() const { return ::FocusedRow(controls_.listView); }

void WindowPlayScreen::FocusRow(int row, bool select) {
    ::FocusRow(controls_.listView, row, select);
}

void WindowPlayScreen::DeselectRow(int row) { ::DeselectRow(controls_.listView, row); }

std::u16string WindowPlayScreen::Caption() const {
    return controls_.window->windowTitle().toStdU16String();
}

void WindowPlayScreen::SetCaption(const std::u16string& caption) {
    controls_.window->setWindowTitle(QString::fromStdU16String(caption));
}

void WindowPlayScreen::EnableButton(int id, bool enabled) {
    if (QAbstractButton* button = ControlButton(controls_, id)) button->setEnabled(enabled);
}

void WindowPlayScreen::ShowMessage(const std::u16string& text) { ShowPlayerMessage(text); }

void WindowPlayScreen::PostClose() {
    platform::PostWindowMessage(controls_.bridge, kMsgCommand, kCommandClose, 0);
}
