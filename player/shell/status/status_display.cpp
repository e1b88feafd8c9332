#include "player/shell/status/status_display.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "player/shell/status/status_graph.h"
#include "player/shell/status/status_panel.h"

namespace {

constexpr int kCpuBaseline = 12;
constexpr int kPolyTopLine = 14;
constexpr int kFrameSize = 12;

// White, on a transparent background; a text's position is the top-left of its character cell.
void DrawLabelAndFigure(StatusResources& resources, QPoint labelAt, const QString& label,
                        QPoint figureAt, const QString& figure) {
    QPainter painter(&resources.picture);
    painter.setFont(resources.font);
    painter.setPen(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QPoint toBaseline(0, QFontMetrics(resources.font, &resources.picture).ascent());
    painter.drawText(labelAt + toBaseline, label);
    painter.drawText(figureAt + toBaseline, figure);
}

void DrawActivityFrame(StatusResources& resources, int frame) {
    QPainter painter(&resources.picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect frameArea(frame * kFrameSize, 0, kFrameSize, kFrameSize);
    painter.drawImage(QRect(QPoint(183, 1), frameArea.size()), resources.activity,
                      PicturePixels(resources.activity, frameArea));
}

void FillBlack(QImage& picture, const QRect& area) { QPainter(&picture).fillRect(area, Qt::black); }

}  // namespace

QRect DrawCpuDisplay(StatusResources& resources, const QRect& panel, std::uint32_t value) {
    const unsigned load = value & 0xFFFFu;
    const auto busyMs = static_cast<std::int16_t>(value >> 16);
    const int bar = CpuBarHeight(load);
    ScrollGraph(resources.picture, 0);
    FillBlack(resources.picture, QRect(QPoint(90, 0), QPoint(155, 12)));
    DrawGraphColumn(resources.picture, kCpuBaseline, bar, true);
    const QString figure = QString::asprintf("%2d%%(%3dms)", static_cast<int>(load), int{busyMs});
    DrawLabelAndFigure(resources, QPoint(0, 1), QStringLiteral("CPU"), QPoint(95, 1), figure);
    return StatusRegionTarget(kCpuRegion, panel);
}

QRect DrawPolyDisplay(StatusResources& resources, const QRect& panel, std::uint32_t value,
                      int polyLimit) {
    const int voices = static_cast<int>(value & 0xFFu);
    const int requests = static_cast<int>(value / 256);
    const int bar = PolyBarHeight(voices, polyLimit);
    ScrollGraph(resources.picture, kPolyTopLine);
    FillBlack(resources.picture, QRect(QPoint(90, 14), QPoint(159, 26)));
    // Hanging from its top line: the POLY graph grows down, away from the CPU graph above it.
    DrawGraphColumn(resources.picture, kPolyTopLine, bar, false);
    const QString figure = QString::asprintf("%02d/%02d(Req.)", voices, requests);
    DrawLabelAndFigure(resources, QPoint(0, 13), QStringLiteral("POLY"), QPoint(95, 13), figure);
    return StatusRegionTarget(kPolyRegion, panel);
}

QRect DrawTimeDisplay(StatusResources& resources, const QRect& panel, int elapsedMs,
                      int& busyFrame) {
    const auto ms = static_cast<std::uint32_t>(elapsedMs);
    FillBlack(resources.picture, QRect(QPoint(155, 0), QPoint(229, 26)));
    const QString time =
        QString::asprintf("%02u:%02u.%02u", ms / 60000 % 60, ms / 1000 % 60, ms / 10 % 100);
    DrawLabelAndFigure(resources, QPoint(157, 1), QStringLiteral("Time"), QPoint(160, 13), time);
    DrawActivityFrame(resources, busyFrame);
    busyFrame += 1;
    if (busyFrame == 2) busyFrame = 0;
    return StatusRegionTarget(kTimeRegion, panel);
}
