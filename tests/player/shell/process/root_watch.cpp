#include "tests/player/shell/process/root_watch.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

// A startup-notification message travels in pieces of a client message's 20 bytes.
constexpr std::size_t kPieceSize = 20;

}  // namespace

RootWatch::RootWatch(const std::string& display) {
    connection_ = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection_) != 0) return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    // Property changes carry the time; launchers listen for property changes, the window manager
    // for structure changes.
    const std::uint32_t events =
        XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &events);
    begin_ = Atom("_NET_STARTUP_INFO_BEGIN");
    more_ = Atom("_NET_STARTUP_INFO");
    active_ = Atom("_NET_ACTIVE_WINDOW");
    clock_ = Atom("TESALO_TEST_CLOCK");
    root_ = root;
}

RootWatch::~RootWatch() { xcb_disconnect(connection_); }

xcb_atom_t RootWatch::Atom(const char* name) const {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection_, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::uint32_t RootWatch::ServerTime() {
    lastPropertyTime_ = 0;
    xcb_change_property(connection_, XCB_PROP_MODE_APPEND, root_, clock_, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(connection_);
    ReadUntil([this] { return lastPropertyTime_ != 0; });
    return lastPropertyTime_;
}

bool RootWatch::ReadUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 500; ++i) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            // A sent event has the highest bit of its type set.
            const std::uint8_t type = event->response_type & 0x7F;
            if (type == XCB_CLIENT_MESSAGE)
                Take(*reinterpret_cast<xcb_client_message_event_t*>(event));
            if (type == XCB_PROPERTY_NOTIFY) {
                const auto* change = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (change->atom == clock_) lastPropertyTime_ = change->time;
            }
            std::free(event);
        }
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

void RootWatch::Take(const xcb_client_message_event_t& message) {
    if (message.type == active_ && message.format == 32) {
        activationRequests_.push_back(
            {message.window, message.data.data32[0], message.data.data32[1]});
    } else if ((message.type == begin_ || message.type == more_) && message.format == 8) {
        TakePiece(message);
    }
}

void RootWatch::TakePiece(const xcb_client_message_event_t& message) {
    if (message.type == begin_) {
        message_.clear();
        inMessage_ = true;
    }
    if (!inMessage_) return;  // the rest of a message whose beginning came before the watch
    const char* bytes = reinterpret_cast<const char*>(message.data.data8);
    const std::size_t length = strnlen(bytes, kPieceSize);
    message_.append(bytes, length);
    if (length < kPieceSize) {
        startupMessages_.push_back(message_);
        inMessage_ = false;
    }
}
