#include "player/shell/status/status_graph.h"

#include <QPainter>

#include "player/shell/status/status_resources.h"

namespace {

constexpr int kGraphLeft = 33;
constexpr int kGraphRight = 91;  // inclusive
constexpr int kGraphRows = 13;
constexpr int kScroll = 3;
constexpr int kColumnLeft = 90;
constexpr int kColumnWidth = 2;

}  // namespace

QColor GraphColumnColour(int barHeight) {
    const BarColour colour = GraphBarColour(barHeight);
    return QColor(colour.red, colour.green, colour.blue);
}

void ScrollGraph(QImage& picture, int top) {
    const int width = kGraphRight + 1 - kGraphLeft - kScroll;
    const QImage kept =
        picture.copy(PicturePixels(picture, QRect(kGraphLeft + kScroll, top, width, kGraphRows)));
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(kGraphLeft, top, kept);
}

void DrawGraphColumn(QImage& picture, int foot, int barHeight, bool upwards) {
    // The column is drawn as a closed outline 2 pixels wide, which covers every pixel of it.
    const int top = upwards ? foot - barHeight : foot;
    QPainter painter(&picture);
    painter.fillRect(kColumnLeft, top, kColumnWidth, barHeight + 1, GraphColumnColour(barHeight));
}
