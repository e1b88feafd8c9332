// The player's message boxes, captioned "Tesalo", without icon.
#pragma once

#include <string>

class QWidget;

constexpr int kMessageOk = 1;
constexpr int kMessageCancel = 2;

// A notice without owner window and with one OK button. Returns kMessageOk.
int ShowPlayerMessage(const std::u16string& text);

// A question owned by owner, with OK (the default) and Cancel: kMessageOk or kMessageCancel.
int AskPlayerQuestion(QWidget* owner, const std::u16string& text);
