// The main window's handle for the library: a bridge window of platform/messages whose posts,
// from any thread, become events of the GUI thread for one receiver.
#pragma once

#include <cstdint>

#include <QEvent>

#include "platform/messages.h"

class QObject;

// A post to the bridge, delivered on the receiver's thread.
class BridgeEvent : public QEvent {
public:
    static const QEvent::Type kType;
    BridgeEvent(std::uint32_t postedMessage, std::uintptr_t postedWParam,
                std::intptr_t postedLParam)
        : QEvent(kType), message(postedMessage), wParam(postedWParam), lParam(postedLParam) {}
    const std::uint32_t message;
    const std::uintptr_t wParam;
    const std::intptr_t lParam;
};

// The bridge's handle; posts to it reach receiver as BridgeEvents until it is destroyed.
platform::WindowHandle CreateNotifyBridge(QObject* receiver);
// After this returns no post reaches the receiver any more.
void DestroyNotifyBridge(platform::WindowHandle bridge);
