#include "player/resources/imagegen/picture_ops.h"

#include <QPainter>

QImage Canvas(QSize size) {
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    return canvas;
}

QImage Centred(const QImage& motif, QSize canvas, QSize visible) {
    QImage picture = Canvas(canvas);
    QPainter painter(&picture);
    painter.drawImage((visible.width() - motif.width()) / 2,
                      (visible.height() - motif.height()) / 2, motif);
    return picture;
}

QImage Dimmed(const QImage& picture) {
    QImage dimmed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < dimmed.height(); ++y) {
        for (int x = 0; x < dimmed.width(); ++x) {
            const QRgb pixel = dimmed.pixel(x, y);
            // White comes out at 0x9C, black at 0x50: well below the enabled colours.
            const int grey = 0x50 + qGray(pixel) * 3 / 10;
            dimmed.setPixel(x, y, qRgba(grey, grey, grey, qAlpha(pixel)));
        }
    }
    return dimmed;
}

namespace {

// The same coverage in one colour.
QImage Recoloured(const QImage& picture, QColor colour) {
    QImage recoloured = picture.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&recoloured);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(recoloured.rect(), colour);
    return recoloured;
}

}  // namespace

QImage Engraved(const QImage& picture) {
    QImage engraved = Canvas(picture.size());
    QPainter painter(&engraved);
    painter.drawImage(1, 1, Recoloured(picture, QColor(0xFF, 0xFF, 0xFF)));
    painter.drawImage(0, 0, Recoloured(picture, QColor(0x80, 0x80, 0x80)));
    return engraved;
}
