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
constexpr int kFullBar = 12;

}  // namespace

int CpuBarHeight(unsigned load) {
    return load > 100 ? kFullBar : static_cast<int>(load * kFullBar / 100);
}

int PolyBarHeight(int voices, int polyLimit) {
    // From the limit on the bar is full anyway; so a limit of 0 never divides.
    return voices >= polyLimit ? kFullBar : voices * kFullBar / polyLimit;
}

QColor GraphColumnColour(int barHeight) {
    if (barHeight <= 6) return QColor(42 * barHeight, 255, 0);
    return QColor(255, 507 - 42 * barHeight, 0);
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
