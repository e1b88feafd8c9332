#include "player/shell/window/notify_bridge.h"

#include <QCoreApplication>

#include "library/tesalo.h"
#include "player/model/library_activity.h"

const QEvent::Type BridgeEvent::kType = static_cast<QEvent::Type>(QEvent::registerEventType());

namespace {

// postEvent may be called from any thread; the event is handled on the receiver's. The
// library's reports are also noted at once, for a shutdown that has no event loop left.
void PostToReceiver(void* receiver, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) {
    // The same number as everywhere in the process; g_player is the GUI thread's own.
    static const std::uint32_t notify = platform::RegisterMessageName(TE_NOTIFY_MESSAGE);
    if (message == notify) NoteLibraryReport(wParam, lParam);
    QCoreApplication::postEvent(static_cast<QObject*>(receiver),
                                new BridgeEvent(message, wParam, lParam));
}

}  // namespace

platform::WindowHandle CreateNotifyBridge(QObject* receiver) {
    return platform::CreateBridgeWindow(&PostToReceiver, receiver);
}

void DestroyNotifyBridge(platform::WindowHandle bridge) {
    // Waits for a post in progress, so the receiver outlives every postEvent to it.
    platform::DestroyMessageWindow(bridge);
}
