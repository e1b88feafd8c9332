// dialogpreview: the settings dialog and the volume panel as they open, each written to a PNG to
// look at. The library runs on the null device, so the quality list shows one device.
// Usage: dialogpreview SETTINGS.png VOLUME.png   (the interface language follows LANG)
#include <cstdio>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "library/tesalo.h"
#include "platform/language.h"
#include "player/model/player_state.h"
#include "player/shell/window/font_faces.h"
#include "player/shell/window/settings_dialog.h"
#include "player/shell/window/volume_panel.h"
#include "tests/doubles/waveout_null.h"

namespace {

// Once the dialog shows: writes its picture, then closes it.
void GrabWhenShown(const char* path) {
    QTimer::singleShot(200, [path] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        if (!dialog->grab().save(QString::fromLocal8Bit(path)))
            std::fprintf(stderr, "cannot write %s\n", path);
        dialog->close();
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: dialogpreview SETTINGS.png VOLUME.png\n");
        return 2;
    }
    QApplication application(argc, argv);
    InstallFontFaces();
    g_player.japaneseUi = platform::SystemLanguageIsJapanese();
    platform::WaveOutUseNull(platform::NullPacing::kInstant);
    TeInit(TE_FORMAT_22K_8, 0, 16, 0);
    TeSetSystemVolume(0x99999999u);
    GrabWhenShown(argv[1]);
    SettingsDialog(g_player.japaneseUi);
    GrabWhenShown(argv[2]);
    VolumePanel();
    TeCleanUp();
    return 0;
}
