#include "player/shell/dialogs/dialog_units.h"

#include <QFont>
#include <QFontMetrics>

namespace {

// value x numerator / denominator, rounded half up (the values are never negative).
int ScaleRounded(int value, int numerator, int denominator) {
    return (2 * value * numerator + denominator) / (2 * denominator);
}

}  // namespace

QSize DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int letters = metrics.horizontalAdvance(alphabet);
    return QSize((letters / 26 + 1) / 2, metrics.height());
}

QRect DialogUnitsToPixels(const QRect& units, const QSize& base) {
    const int left = ScaleRounded(units.x(), base.width(), 4);
    const int top = ScaleRounded(units.y(), base.height(), 8);
    const int right = ScaleRounded(units.x() + units.width(), base.width(), 4);
    const int bottom = ScaleRounded(units.y() + units.height(), base.height(), 8);
    return QRect(left, top, right - left, bottom - top);
}

QRect DialogUnitsToPixels(const UnitRect& units, const QSize& base) {
    return DialogUnitsToPixels(QRect(units.left, units.top, units.width, units.height), base);
}
