#include "tests/player/resources/images/image_checks.h"

#include "player/resources/images.h"

const std::vector<ButtonImages>& MainWindowButtons() {
    static const std::vector<ButtonImages> buttons = {
        {kImagePlay, kImagePlayDisabled, kImageFocus, {22, 22}},
        {kImageStop, kImageStopDisabled, kImageFocus, {22, 22}},
        {kImagePrevious, kImagePreviousDisabled, kImageFocus, {22, 22}},
        {kImageNext, kImageNextDisabled, kImageFocus, {22, 22}},
        {kImageSettings, kImageSettingsDisabled, kImageFocus, {22, 22}},
        {kImageAddFiles, kImageAddFilesDisabled, kImageFocus, {22, 22}},
        {kImageDeleteRows, kImageDeleteRowsDisabled, kImageFocus, {22, 22}},
        {kImageSongListMenu, kImageSongListMenuDisabled, kImageSongListMenuFocus, {33, 19}},
        {kImageMoveUp, kImageMoveUpDisabled, kImageFocus, {22, 22}},
        {kImageMoveDown, kImageMoveDownDisabled, kImageFocus, {22, 22}},
        {kImageClose, kImageClose, kImageFocus, {22, 22}},
        {kImageVolume, kImageVolume, kImageFocus, {22, 22}},
    };
    return buttons;
}

QRect OpaqueBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

bool Overlap(const QImage& a, const QImage& b, int dx, int dy) {
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const QPoint at(x + dx, y + dy);
            if (!a.rect().contains(at) || qAlpha(b.pixel(x, y)) == 0) continue;
            if (qAlpha(a.pixel(at)) != 0) return true;
        }
    }
    return false;
}
