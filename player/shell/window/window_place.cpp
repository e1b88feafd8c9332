#include "player/shell/window/window_place.h"

#include <optional>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "player/model/settings.h"

namespace {

// The smallest client area that shows every control: the panel's ten buttons with the close
// button beside them, and a few rows of the list.
constexpr QSize kSmallestPlace(270, 150);
// No desktop reaches this far: a number beyond it is damage, and never meets QRect's arithmetic.
constexpr int kFarthest = 1 << 16;

bool InReach(int value) { return value >= -kFarthest && value <= kFarthest; }

// The window keeps at least `smallest` on one screen's work area, its top edge there too.
bool OnAScreen(const QRect& place, QSize smallest) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = place.intersected(screen->availableGeometry());
        if (shown.top() == place.top() && shown.width() >= smallest.width() &&
            shown.height() >= smallest.height()) {
            return true;
        }
    }
    return false;
}

// The kept geometry, when a screen can show it.
std::optional<QRect> KeptPlace(QSize smallest) {
    const WindowMemory& kept = g_windowMemory;
    if (!InReach(kept.windowX) || !InReach(kept.windowY) || !InReach(kept.windowWidth) ||
        !InReach(kept.windowHeight)) {
        return std::nullopt;
    }
    const QRect place(kept.windowX, kept.windowY, kept.windowWidth, kept.windowHeight);
    if (place.width() < smallest.width() || place.height() < smallest.height()) return std::nullopt;
    if (!OnAScreen(place, smallest)) return std::nullopt;
    return place;
}

// The frame, title bar included, fills the work area: the window opens maximized. Restored, it
// takes three quarters of the work area in its middle.
void FillWorkArea(QDialog* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        QRect restored(QPoint(), area.size() * 3 / 4);
        restored.moveCenter(area.center());
        window->setGeometry(restored);
    }
    window->showMaximized();
}

}  // namespace

void PlaceMainWindow(QDialog* window) {
    const std::optional<QRect> place = KeptPlace(window->minimumSize().expandedTo(kSmallestPlace));
    if (!place) return FillWorkArea(window);
    window->setGeometry(*place);
    if (g_windowMemory.windowMaximized != 0) {
        window->showMaximized();
    } else {
        window->show();
    }
}

void KeepWindowPlace(const QWidget* window) {
    const QRect normal = window->normalGeometry();
    if (normal.isEmpty()) return;
    g_windowMemory.windowX = normal.x();
    g_windowMemory.windowY = normal.y();
    g_windowMemory.windowWidth = normal.width();
    g_windowMemory.windowHeight = normal.height();
    g_windowMemory.windowMaximized = window->isMaximized() ? 1 : 0;
}
