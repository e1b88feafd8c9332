#include "player/shell/window/x11_activation.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QGuiApplication>

#include "player/model/startup_id.h"

namespace {

// A startup-notification message travels in pieces of a client message's 20 bytes.
constexpr std::size_t kPieceSize = 20;
// The source of a _NET_ACTIVE_WINDOW request: an application.
constexpr std::uint32_t kFromApplication = 1;

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPointer<Reply> Owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto reply = Owned(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    const auto reply =
        Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// The window the manager counts as active; none when it does not say.
xcb_window_t ActiveWindow(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t activeAtom) {
    const auto reply = Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, activeAtom, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    xcb_window_t active = XCB_WINDOW_NONE;
    if (reply && reply->format == 32 &&
        xcb_get_property_value_length(reply.get()) == sizeof active) {
        std::memcpy(&active, xcb_get_property_value(reply.get()), sizeof active);
    }
    return active;
}

xcb_client_message_event_t ClientMessage(xcb_window_t window, xcb_atom_t type,
                                         std::uint8_t format) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = format;
    event.window = window;
    event.type = type;
    return event;
}

void SendToRoot(xcb_connection_t* connection, xcb_window_t root, std::uint32_t mask,
                const xcb_client_message_event_t& event) {
    xcb_send_event(connection, 0, root, mask, reinterpret_cast<const char*>(&event));
}

void RequestActivation(xcb_connection_t* connection, xcb_window_t root,
                       const std::vector<std::uint32_t>& windows, std::uint32_t time) {
    const xcb_atom_t activeAtom = Atom(connection, "_NET_ACTIVE_WINDOW");
    const xcb_window_t requestor = ActiveWindow(connection, root, activeAtom);
    for (const std::uint32_t window : windows) {
        xcb_client_message_event_t event = ClientMessage(window, activeAtom, 32);
        event.data.data32[0] = kFromApplication;
        event.data.data32[1] = time;
        event.data.data32[2] = requestor;
        SendToRoot(connection, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   event);
    }
}

// The message to every client that watches the root window, the first piece marked as the
// beginning.
void Broadcast(xcb_connection_t* connection, xcb_window_t root, const std::string& message) {
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    for (std::size_t at = 0; at < message.size(); at += kPieceSize) {
        xcb_client_message_event_t event = ClientMessage(root, at == 0 ? begin : more, 8);
        std::memcpy(event.data.data8, message.data() + at,
                    std::min(kPieceSize, message.size() - at));
        SendToRoot(connection, root, XCB_EVENT_MASK_PROPERTY_CHANGE, event);
    }
}

}  // namespace

void ActivateX11Windows(const std::vector<std::uint32_t>& windows, const std::string& startupId) {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    if (x11 == nullptr || windows.empty()) return;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = RootOf(connection, windows.front());
    if (root == XCB_WINDOW_NONE) return;
    RequestActivation(connection, root, windows, StartupTime(startupId));
    Broadcast(connection, root, StartupRemoveMessage(startupId));
    xcb_flush(connection);
}
