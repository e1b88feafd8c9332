#include "tests/player/resources/images/image_checks.h"

const std::vector<ButtonImages>& MainWindowButtons() {
    static const std::vector<ButtonImages> buttons = {
        {125, 128, 129, {22, 22}}, {130, 132, 129, {22, 22}}, {133, 134, 129, {22, 22}},
        {135, 136, 129, {22, 22}}, {137, 138, 129, {22, 22}}, {140, 142, 129, {22, 22}},
        {141, 143, 129, {22, 22}}, {144, 145, 146, {33, 19}}, {153, 155, 129, {22, 22}},
        {154, 156, 129, {22, 22}}, {157, 157, 129, {22, 22}}, {169, 169, 129, {22, 22}},
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
