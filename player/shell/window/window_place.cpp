#include "player/shell/window/window_place.h"

#include <optional>
#include <vector>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "player/model/settings.h"
#include "player/model/window_places.h"

namespace {

// The smallest client area that shows every control: the panel's ten buttons with the close
// button beside them, and a few rows of the list.
constexpr QSize kSmallestPlace(270, 150);

PixelRect ToPixels(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

QRect ToQRect(const PixelRect& place) {
    return QRect(place.left, place.top, place.width, place.height);
}

// The kept geometry, when a screen can show it.
std::optional<QRect> KeptPlace(QSize smallest) {
    std::vector<PixelRect> workAreas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        workAreas.push_back(ToPixels(screen->availableGeometry()));
    }
    const std::optional<PixelRect> place =
        KeptWindowPlace(g_windowMemory, smallest.width(), smallest.height(), workAreas);
    if (!place) return std::nullopt;
    return ToQRect(*place);
}

// The frame, title bar included, fills the work area: the window opens maximized. Restored, it
// takes three quarters of the work area in its middle.
void FillWorkArea(QDialog* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        window->setGeometry(ToQRect(RestoredWindowPlace(ToPixels(screen->availableGeometry()))));
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
