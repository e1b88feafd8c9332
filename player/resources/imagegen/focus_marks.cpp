// Focus marks frame the visible part of a button, outside the motif and its pressed offset, so
// the motif stays whole and the mark stays seen.
#include <QPainter>

#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/picture_ops.h"
#include "player/resources/imagegen/pixel_art.h"

namespace {

constexpr QSize kPicture(32, 32);

// Four corners of an area, each two arms of the given length.
void DrawCorners(QPainter& painter, QRect area, int arm, QColor colour) {
    const int right = area.right() - arm + 1;
    const int bottom = area.bottom() - arm + 1;
    painter.fillRect(area.left(), area.top(), arm, 1, colour);
    painter.fillRect(area.left(), area.top(), 1, arm, colour);
    painter.fillRect(right, area.top(), arm, 1, colour);
    painter.fillRect(area.right(), area.top(), 1, arm, colour);
    painter.fillRect(area.left(), area.bottom(), arm, 1, colour);
    painter.fillRect(area.left(), bottom, 1, arm, colour);
    painter.fillRect(right, area.bottom(), arm, 1, colour);
    painter.fillRect(area.right(), bottom, 1, arm, colour);
}

// Every other pixel along the edge of an area, as focus is drawn on a light button face.
void DrawDottedFrame(QImage& picture, QRect area, QRgb colour) {
    for (int x = area.left(); x <= area.right(); x += 2) {
        picture.setPixel(x, area.top(), colour);
        picture.setPixel(x, area.bottom(), colour);
    }
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        picture.setPixel(area.left(), y, colour);
        picture.setPixel(area.right(), y, colour);
    }
}

}  // namespace

QImage FocusMark() {
    QImage picture = Canvas(kPicture);
    QPainter painter(&picture);
    DrawCorners(painter, QRect(0, 0, 22, 22), 6, QColor::fromRgb(PaletteColour('Y')));
    return picture;
}

QImage SongListMenuFocusMark() {
    QImage picture = Canvas(kPicture);
    DrawDottedFrame(picture, QRect(1, 1, 31, 17), PaletteColour('K'));
    return picture;
}
