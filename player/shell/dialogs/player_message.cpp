#include "player/shell/dialogs/player_message.h"

#include <QMessageBox>

namespace {

int RunMessageBox(QWidget* owner, const std::u16string& text,
                  QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tesalo"), QString::fromStdU16String(text),
                    buttons, owner);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? kMessageOk : kMessageCancel;
}

}  // namespace

int ShowPlayerMessage(const std::u16string& text) {
    RunMessageBox(nullptr, text, QMessageBox::Ok);
    return kMessageOk;  // a box with one button has only the one answer, Escape included
}

int AskPlayerQuestion(QWidget* owner, const std::u16string& text) {
    return RunMessageBox(owner, text, QMessageBox::Ok | QMessageBox::Cancel);
}
