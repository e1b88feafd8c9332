#include "player/shell/status/status_resources.h"

#include <algorithm>

#include <QFontMetrics>

#include "player/resources/images.h"

namespace {

constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 100;
constexpr int kCellHeight = 12;

// A font height of 12 names the character cell (ascent and descent together), not the em: the
// figures must fit the 13-pixel strips. Whatever face stands in for Tahoma, take the largest
// pixel size whose cell still fits. The figures are as wide as Tahoma allows, so where it is
// missing a condensed face stands in before the system's wider default.
QFont StatusFont(const QImage& device) {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    font.setWeight(QFont::Normal);
    // The labels are drawn again over themselves with every report: smoothed edges would pile
    // up into a bold smear. Solid pixels need the full hinting to stay legible at this size.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setItalic(false);
    font.setUnderline(false);
    for (int size = kCellHeight; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font, &device).height() <= kCellHeight) break;
    }
    return font;
}

}  // namespace

StatusResources CreateStatusResources(const QPalette& palette, qreal pixelRatio) {
    StatusResources resources;
    // Qt's Dark role is the system's button-shadow colour.
    resources.framePen = palette.color(QPalette::Dark);
    const int ratio = std::max(1, qRound(pixelRatio));
    resources.picture = QImage(QSize(kPictureWidth, kPictureHeight) * ratio, QImage::Format_RGB32);
    resources.picture.setDevicePixelRatio(ratio);
    resources.picture.fill(Qt::black);
    resources.font = StatusFont(resources.picture);
    resources.activity = PlayerImage(kImageActivity, ratio);
    return resources;
}

QRect PicturePixels(const QImage& picture, const QRect& area) {
    const int ratio = std::max(1, qRound(picture.devicePixelRatio()));
    return QRect(area.topLeft() * ratio, area.size() * ratio);
}

void ReleaseStatusResources(StatusResources& resources) { resources = StatusResources{}; }
