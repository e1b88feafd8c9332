#include "player/shell/status/status_panel.h"

#include "player/model/control_places.h"

namespace {

struct RegionCopy {
    QRect source;   // in the off-screen picture
    QPoint offset;  // of the destination from the panel's top-left corner
};

const RegionCopy kRegions[] = {
    {QRect(0, 0, 150, 13), QPoint(10, 29)},    // CPU
    {QRect(0, 13, 150, 13), QPoint(10, 42)},   // POLY
    {QRect(155, 0, 50, 25), QPoint(165, 29)},  // time
};

int Sign(int value) { return (value > 0) - (value < 0); }

// A horizontal or vertical line without its end point, as the frame's corners need.
void LineTo(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    if (from == to) return;
    const QPoint last = to - QPoint(Sign(to.x() - from.x()), Sign(to.y() - from.y()));
    const QPoint first(qMin(from.x(), last.x()), qMin(from.y(), last.y()));
    painter.fillRect(QRect(first, QPoint(qMax(from.x(), last.x()), qMax(from.y(), last.y()))),
                     colour);
}

}  // namespace

QRect StatusPanelRect(QSize client) {
    const PixelRect panel = PanelPlace(client.width(), client.height());
    return QRect(panel.left, panel.top, panel.width, panel.height);
}

QRect StatusRegionTarget(StatusRegion region, const QRect& panel) {
    const RegionCopy& copy = kRegions[region];
    return QRect(panel.topLeft() + copy.offset, copy.source.size());
}

void PaintStatusPanel(QPainter& window, const StatusResources& resources, const QRect& panel) {
    // QRect's right() and bottom() are the last pixels inside, one short of the panel's edges.
    const int left = panel.left(), top = panel.top(), right = panel.right(),
              bottom = panel.bottom();
    window.fillRect(panel, Qt::black);
    LineTo(window, QPoint(right, top), QPoint(left, top), resources.framePen);
    LineTo(window, QPoint(left, top), QPoint(left, bottom), resources.framePen);
    LineTo(window, QPoint(left, bottom), QPoint(right, bottom), Qt::white);
    LineTo(window, QPoint(right, bottom), QPoint(right, top), Qt::white);
    LineTo(window, QPoint(left + 3, top + 26), QPoint(right - 3, top + 26), Qt::white);
    // Region by region rather than one 200 x 25 block: the block would cut off the end of the
    // time and the POLY graph's last row, so an uncovered window would not show what was drawn.
    PaintStatusRegions(window, resources, panel);
}

void PaintStatusRegions(QPainter& window, const StatusResources& resources, const QRect& panel) {
    for (int region = kCpuRegion; region <= kTimeRegion; ++region) {
        const QRect target = StatusRegionTarget(static_cast<StatusRegion>(region), panel);
        window.drawImage(target, resources.picture,
                         PicturePixels(resources.picture, kRegions[region].source));
    }
}
