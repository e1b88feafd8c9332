#include "tests/player/shell/status/status_checks.h"

#include <QFontMetrics>
#include <QPainter>

QPalette TestPalette() {
    QPalette palette;
    palette.setColor(QPalette::Dark, QColor(0x40, 0x50, 0x60));
    palette.setColor(QPalette::Shadow, QColor(0x01, 0x02, 0x03));
    return palette;
}

StatusResources TestResources() { return CreateStatusResources(TestPalette()); }

bool ShowsText(const QImage& picture, const QFont& font, QPoint at, const QString& text,
               int width) {
    const QFontMetrics metrics(font, &picture);
    QImage expected(width, metrics.height(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter painter(&expected);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(0, metrics.ascent(), text);
    painter.end();
    return picture.copy(QRect(at, expected.size())) == expected;
}

bool IsBlack(const QImage& picture, const QRect& area) { return !HasInk(picture, area); }

bool HasInk(const QImage& picture, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((picture.pixel(x, y) & 0xFFFFFF) != 0) return true;
        }
    }
    return false;
}

bool ColumnIs(const QImage& picture, int x, int top, int bottom, QColor colour) {
    for (int y = top; y <= bottom; ++y) {
        if (picture.pixelColor(x, y) != colour) return false;
    }
    return true;
}
