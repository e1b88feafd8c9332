// The program's icon: two beamed notes over a sound wave on a black tile, in the colours of
// the player's status panel. Drawn on a grid of 256 units and scaled; at 16 pixels the notes
// alone are set pixel by pixel, where a scaled drawing would blur.
#include <cmath>

#include <QPainter>
#include <QPainterPath>

#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/picture_ops.h"
#include "player/resources/imagegen/pixel_art.h"

namespace {

constexpr double kPi = 3.14159265358979;

QImage SmallIcon() {
    return PixelArt({
        "..aaaaaaaaaaaa..",
        ".aKKKKKKKKKKKKa.",
        "aKKKKKKKKKKKKKKa",
        "aKKKKKGGGGGGKKKa",
        "aKKKKKGGGGGGKKKa",
        "aKKKKKGKKKKGKKKa",
        "aKKKKKGKKKKGKKKa",
        "aKKKKKGKKKKGKKKa",
        "aKKKKKGKKGGGKKKa",
        "aKKKGGGKGGGGKKKa",
        "aKKGGGGKGGGKKKKa",
        "aKKGGGKKKKKKKKKa",
        "aKKKKKKKKKKKKKKa",
        "aKKKKKKKKKKKKKKa",
        ".aKKKKKKKKKKKKa.",
        "..aaaaaaaaaaaa..",
    });
}

void DrawTile(QPainter& painter) {
    painter.setPen(QPen(QColor(PaletteColour('a')), 10));
    painter.setBrush(QColor(PaletteColour('K')));
    painter.drawRoundedRect(QRectF(13, 13, 230, 230), 44, 44);
}

void DrawWave(QPainter& painter) {
    QPainterPath wave;
    wave.moveTo(44, 206);
    for (int x = 46; x <= 212; x += 2) wave.lineTo(x, 206 - 12 * std::sin((x - 44) * kPi / 42));
    painter.setPen(QPen(QColor(PaletteColour('A')), 10, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
}

void DrawHead(QPainter& painter, QPointF centre) {
    painter.save();
    painter.translate(centre);
    painter.rotate(-22);
    painter.drawEllipse(QPointF(0, 0), 29, 20);
    painter.restore();
}

void DrawNotes(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(PaletteColour('G')));
    DrawHead(painter, QPointF(84, 164));
    DrawHead(painter, QPointF(170, 146));
    painter.drawRect(QRectF(98, 58, 14, 104));
    painter.drawRect(QRectF(184, 40, 14, 104));
    painter.drawPolygon(QPolygonF({{98, 58}, {198, 40}, {198, 72}, {98, 90}}));
}

}  // namespace

QImage ProgramIcon(int size) {
    if (size == 16) return SmallIcon();
    QImage icon = Canvas(QSize(size, size));
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    DrawTile(painter);
    DrawWave(painter);
    DrawNotes(painter);
    return icon;
}
