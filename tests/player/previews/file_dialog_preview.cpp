// filedialogpreview: the MIDI file selection dialog on a folder, in the interface language the
// environment gives, written to a PNG to look at.
// Usage: filedialogpreview FOLDER OUT.png
#include <cstdio>

#include <QApplication>
#include <QTimer>
#include <QTreeView>

#include "platform/language.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/window/font_faces.h"
#include "player/shell/window/midi_file_dialog.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: filedialogpreview FOLDER OUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    InstallFontFaces();
    g_midiFileFolder = argv[1];
    if (g_midiFileFolder.back() != '/') g_midiFileFolder += '/';
    const bool japaneseUi = platform::SystemLanguageIsJapanese();
    bool saved = false;
    // The dialog is modal: the picture is taken from inside its own event loop.
    QTimer::singleShot(200, [&saved, out = argv[2]] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        saved = dialog->grab().save(QString::fromLocal8Bit(out));
        dialog->close();
    });
    QTreeView songs;
    SetupSongListView(&songs, 160, 40);
    MidiFileDialog(&songs, japaneseUi);
    return saved ? 0 : 1;
}
