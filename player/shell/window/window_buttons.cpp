#include "player/shell/window/window_buttons.h"

#include <QDialog>

#include "player/shell/status/picture_button.h"

QAbstractButton* ControlButton(const MainWindowControls& controls, int id) {
    for (std::size_t i = 0; i < kButtonIds.size(); ++i) {
        if (kButtonIds[i] == id) return controls.buttons[i];
    }
    return nullptr;
}

QAbstractButton* MakeControlButton(int id, QWidget* parent) { return new PictureButton(id, parent); }

namespace {

void Enable(const MainWindowControls& controls, int id, bool enabled) {
    if (QAbstractButton* button = ControlButton(controls, id)) button->setEnabled(enabled);
}

}  // namespace

void SetPlayingButtons(const MainWindowControls& controls) {
    Enable(controls, 1032, false);
    Enable(controls, 1033, true);
    for (int id : {1037, 1014, 1015, 1011}) Enable(controls, id, false);
}

void SetIdleButtons(const MainWindowControls& controls) {
    Enable(controls, 1032, true);
    Enable(controls, 1033, false);
    for (int id : {1037, 1014, 1015, 1011}) Enable(controls, id, true);
    controls.window->setWindowTitle(QStringLiteral("Tesalo"));
}
