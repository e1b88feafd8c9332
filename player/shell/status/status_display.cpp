#include "player/shell/status/status_display.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "player/model/status_figures.h"
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
    const CpuReport report = ReadCpuReport(value);
    const int bar = CpuBarHeight(report.load);
    ScrollGraph(resources.picture, 0);
    FillBlack(resources.picture, QRect(QPoint(90, 0), QPoint(155, 12)));
    DrawGraphColumn(resources.picture, kCpuBaseline, bar, true);
    DrawLabelAndFigure(resources, QPoint(0, 1), QStringLiteral("CPU"), QPoint(95, 1),
                       QString::fromStdString(CpuFigure(report)));
    return StatusRegionTarget(kCpuRegion, panel);
}

QRect DrawPolyDisplay(StatusResources& resources, const QRect& panel, std::uint32_t value,
                      int polyLimit) {
    const PolyReport report = ReadPolyReport(value);
    const int bar = PolyBarHeight(report.voices, polyLimit);
    ScrollGraph(resources.picture, kPolyTopLine);
    FillBlack(resources.picture, QRect(QPoint(90, 14), QPoint(159, 26)));
    // Hanging from its top line: the POLY graph grows down, away from the CPU graph above it.
    DrawGraphColumn(resources.picture, kPolyTopLine, bar, false);
    DrawLabelAndFigure(resources, QPoint(0, 13), QStringLiteral("POLY"), QPoint(95, 13),
                       QString::fromStdString(PolyFigure(report)));
    return StatusRegionTarget(kPolyRegion, panel);
}

QRect DrawTimeDisplay(StatusResources& resources, const QRect& panel, int elapsedMs,
                      int& busyFrame) {
    FillBlack(resources.picture, QRect(QPoint(155, 0), QPoint(229, 26)));
    DrawLabelAndFigure(resources, QPoint(157, 1), QStringLiteral("Time"), QPoint(160, 13),
                       QString::fromStdString(TimeFigure(elapsedMs)));
    DrawActivityFrame(resources, busyFrame);
    busyFrame = NextBusyFrame(busyFrame);
    return StatusRegionTarget(kTimeRegion, panel);
}
