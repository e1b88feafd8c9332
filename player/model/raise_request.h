// What a later start sends the running player over the raise channel. A request is one line;
// "open" carries a payload behind its line whose length the line gives, so a file name may hold
// any byte but the zero that ends it:
//   raise\n
//   open <version> <length>\n<length bytes: absolute paths, each ended by a zero byte>
//   activate <wayland|x11> <token>\n
// Version 1 is the one written here; a request of another version is passed over whole.
// "activate" hands over the token the desktop gave the later start. It comes after the raise or
// open request: a player that predates it drops the client on its longer line, having served
// the request before it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Bounds that keep a client from making the player hold more than a command line could carry.
inline constexpr std::size_t kMaxRequestLine = 64;
inline constexpr std::size_t kMaxOpenPayload = 1 << 20;
inline constexpr std::size_t kMaxOpenPath = 4095;
// A token is printable ASCII without spaces; its line alone may pass kMaxRequestLine.
inline constexpr std::size_t kMaxActivationToken = 255;

// The desktop's permission for a later start to bring a window forward: an xdg-activation token
// under Wayland, a startup notification id under X11.
struct ActivationToken {
    enum Kind { kWayland, kX11 } kind = kX11;
    std::string token;
};

struct RaiseRequest {
    enum Kind { kRaise, kOpen, kActivate, kIgnored } kind = kIgnored;
    std::vector<std::string> files;  // for kOpen, in the order given
    ActivationToken activation;      // for kActivate
};

enum class RequestRead {
    kNeedMore,  // nothing taken: the request is not complete yet
    kTaken,     // one request taken off the front of the buffer
    kBroken,    // the stream cannot be followed any further: drop the client
};

// "raise\n" without files, else an "open" request of version 1 with as many of the files (each
// absolute and at most kMaxOpenPath bytes; others are left out) as fit kMaxOpenPayload.
std::string EncodeRaiseRequest(const std::vector<std::string>& files);

// The "activate" request of the token; empty when the token is empty, longer than
// kMaxActivationToken or holds a byte other than printable ASCII without the space.
std::string EncodeActivationRequest(const ActivationToken& activation);
// The activate requests of the tokens the desktop gave this start in its environment
// (XDG_ACTIVATION_TOKEN under Wayland, DESKTOP_STARTUP_ID under X11), those that can be sent.
std::string EnvironmentActivationRequests();

// Takes the first request off the front of buffer. An unknown line, an "open" request whose
// payload is not a list of absolute paths or an "activate" line of an unknown kind or a token
// that could not be encoded is taken as kIgnored; a line that is too long (kMaxRequestLine, or
// for an "activate" line the longest token's), or an "open" line without a readable length
// within the bound, breaks the stream.
RequestRead TakeRaiseRequest(std::string& buffer, RaiseRequest* request);
