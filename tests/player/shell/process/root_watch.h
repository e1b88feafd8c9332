// A connection of the test's own to a display that watches its root window: the X server's time,
// and the messages that clients send there to the window manager and to launchers.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A _NET_ACTIVE_WINDOW request as a client sent it.
struct ActivationRequest {
    std::uint32_t window, source, time;
    bool operator==(const ActivationRequest&) const = default;
};

class RootWatch {
public:
    explicit RootWatch(const std::string& display);
    ~RootWatch();
    RootWatch(const RootWatch&) = delete;
    RootWatch& operator=(const RootWatch&) = delete;

    bool Watching() const { return root_ != XCB_WINDOW_NONE; }
    // The server's time now, as a launcher writes it into a startup id; 0 when it does not come.
    std::uint32_t ServerTime();
    // Reads what arrives until done() or 10 seconds; false when done() never became true.
    bool ReadUntil(const std::function<bool()>& done);
    // The startup-notification messages read so far, each once all its pieces came, without
    // the zero byte that ends it.
    const std::vector<std::string>& StartupMessages() const { return startupMessages_; }
    const std::vector<ActivationRequest>& ActivationRequests() const { return activationRequests_; }

private:
    xcb_atom_t Atom(const char* name) const;
    void Take(const xcb_client_message_event_t& message);
    void TakePiece(const xcb_client_message_event_t& message);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_atom_t begin_ = XCB_ATOM_NONE, more_ = XCB_ATOM_NONE, active_ = XCB_ATOM_NONE,
               clock_ = XCB_ATOM_NONE;
    std::uint32_t lastPropertyTime_ = 0;
    std::string message_;  // the startup-notification message being put together
    bool inMessage_ = false;
    std::vector<std::string> startupMessages_;
    std::vector<ActivationRequest> activationRequests_;
};
