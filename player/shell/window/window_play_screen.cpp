#include "player/shell/window/window_play_screen.h"

#include <QAbstractButton>
#include <QDialog>

std::u16string WindowPlayScreen::Caption() const {
    return controls_.window->windowTitle().toStdU16String();
}

void WindowPlayScreen::SetCaption(const std::u16string& caption) {
    controls_.window->setWindowTitle(QString::fromStdU16String(caption));
}

void WindowPlayScreen::EnableButton(int id, bool enabled) {
    if (QAbstractButton* button = ControlButton(controls_, id)) button->setEnabled(enabled);
}

void WindowPlayScreen::PostClose() {
    platform::PostWindowMessage(controls_.bridge, kMsgCommand, kCommandClose, 0);
}
