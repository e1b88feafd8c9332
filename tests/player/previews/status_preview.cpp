// statuspreview: the status panel as the main window shows it after a run of reports, with the
// picture buttons in their places, written to a PNG to look at.
// Usage: statuspreview OUT.png [WIDTH HEIGHT [SCALE]]
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "library/tesalo.h"
#include "player/resources/window_ids.h"
#include "player/shell/status/picture_button.h"
#include "player/shell/status/status_display.h"
#include "player/shell/status/status_panel.h"

namespace {

// Stands in for the main window: paints the panel, holds the buttons.
class PanelWindow : public QWidget {
public:
    StatusResources resources = CreateStatusResources(palette());
    QRect panel() const { return StatusPanelRect(size()); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintStatusPanel(painter, resources, panel());
    }
};

void PlaceButtons(PanelWindow& window) {
    const QRect panel = window.panel();
    const int row[] = {kCommandPlay,     kCommandStop,     kCommandPrevious,   kCommandNext,
                       kCommandSettings, kCommandAddFiles, kCommandDeleteRows, kCommandMoveUp,
                       kCommandMoveDown, kCommandVolume};
    for (int i = 0; i < 10; ++i) {
        auto* button = new PictureButton(row[i], &window);
        button->move(panel.left() + 6 + 23 * i, panel.top() + 4);
        if (row[i] == kCommandStop) button->setEnabled(false);  // idle: Stop is off
        if (row[i] == kCommandNext) button->setDown(true);
        if (row[i] == kCommandPlay) button->setFocus();
    }
    (new PictureButton(kCommandCloseButton, &window))->move(window.width() - 28, panel.top() + 35);
    (new PictureButton(kCommandSongListMenu, &window))->move(window.width() - 40, 3);
}

// The start's drawing with 0, then a song's first seconds: the load climbs past 100 % and
// settles, the voices pass the limit of 16 and fall away.
void ReportASong(PanelWindow& window) {
    int busyFrame = 0;
    StatusResources& r = window.resources;
    DrawTimeDisplay(r, window.panel(), 0, busyFrame);
    DrawPolyDisplay(r, window.panel(), 0, TE_POLY_DEFAULT);
    DrawCpuDisplay(r, window.panel(), 0);
    for (int block = 1; block <= 24; ++block) {
        const unsigned load = static_cast<unsigned>(block < 20 ? block * 6 : 45);
        const unsigned voices = static_cast<unsigned>(block < 18 ? block : 24 - block);
        DrawCpuDisplay(r, window.panel(), load + 65536u * (load * 5 / 10));
        DrawPolyDisplay(r, window.panel(), voices + 256u * (voices + 2), TE_POLY_DEFAULT);
        DrawTimeDisplay(r, window.panel(), block * 517, busyFrame);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: statuspreview OUT.png [WIDTH HEIGHT [SCALE]]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");  // a picture to write, no window to show
    QApplication application(argc, argv);
    PanelWindow window;
    window.resize(argc >= 4 ? std::atoi(argv[2]) : 800, argc >= 4 ? std::atoi(argv[3]) : 160);
    PlaceButtons(window);
    window.show();
    QApplication::setActiveWindow(&window);
    ReportASong(window);
    const int scale = argc == 5 ? std::atoi(argv[4]) : 1;
    QImage image = window.grab().toImage();
    image = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!image.save(QString::fromLocal8Bit(argv[1]))) return 1;
    return 0;
}
