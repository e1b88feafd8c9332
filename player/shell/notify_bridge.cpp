#include "player/shell/notify_bridge.h"

#include <QCoreApplication>

const QEvent::Type BridgeEvent::kType = static_cast<QEvent::Type>(QEvent::registerEventType());

namespace {

// postEvent may be called from any thread; the event is handled on the receiver's.
void PostToReceiver(void* receiver, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) {
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
