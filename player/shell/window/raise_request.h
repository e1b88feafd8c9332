// What a later start sends the running player over the raise channel. A request is one line;
// "open" carries a payload behind its line whose length the line gives, so a file name may hold
// any byte but the zero that ends it:
//   raise\n
//   open <version> <length>\n<length bytes: absolute paths, each ended by a zero byte>
// Version 1 is the one written here; a request of another version is passed over whole.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Bounds that keep a client from making the player hold more than a command line could carry.
inline constexpr std::size_t kMaxRequestLine = 64;
inline constexpr std::size_t kMaxOpenPayload = 1 << 20;
inline constexpr std::size_t kMaxOpenPath = 4095;

struct RaiseRequest {
    enum Kind { kRaise, kOpen, kIgnored } kind = kIgnored;
    std::vector<std::string> files;  // for kOpen, in the order given
};

enum class RequestRead {
    kNeedMore,  // nothing taken: the request is not complete yet
    kTaken,     // one request taken off the front of the buffer
    kBroken,    // the stream cannot be followed any further: drop the client
};

// "raise\n" without files, else an "open" request of version 1 with as many of the files (each
// absolute and at most kMaxOpenPath bytes; others are left out) as fit kMaxOpenPayload.
std::string EncodeRaiseRequest(const std::vector<std::string>& files);

// Takes the first request off the front of buffer. An unknown line or an "open" request whose
// payload is not a list of absolute paths is taken as kIgnored; a line that is too long, or an
// "open" line without a readable length within the bound, breaks the stream.
RequestRead TakeRaiseRequest(std::string& buffer, RaiseRequest* request);
