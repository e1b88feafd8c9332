// The library's notifications as the command line receives them. They arrive through a bridge
// window, so each is kept on the library's thread until the program's thread is woken to take
// them: a render wakes that thread once for a batch of blocks instead of for each of the four
// reports of every block (each wake is two switches of thread and a few system calls, as much
// time as a block of a thin song takes to render).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/messages.h"

struct Notice {
    std::uint32_t code;
    std::intptr_t value;
};

class NoticeInbox {
public:
    // The waiting thread is woken when wakeEvery notifications have arrived, and at once for
    // the start (code 1) and the end (code 6) of a song. With stopAfterMs, TeStop is called on
    // the library's thread the moment that much music has been reported (code 5), so only the
    // blocks already queued follow, however late the waiting thread wakes.
    explicit NoticeInbox(std::uint32_t wakeEvery, std::uint64_t stopAfterMs = 0);
    NoticeInbox(const NoticeInbox&) = delete;
    NoticeInbox& operator=(const NoticeInbox&) = delete;
    ~NoticeInbox();

    // The window to give the library.
    platform::WindowHandle window() const { return window_; }
    // Waits until there is reason to wake or timeoutMs has passed, then moves what has arrived,
    // in order, into *out (which may stay empty).
    void Take(std::vector<Notice>* out, std::uint32_t timeoutMs);
    // True once the limit of stopAfterMs has stopped a song.
    bool StoppedAtLimit();

private:
    static void Arrive(void* context, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam);

    const std::uint32_t wakeEvery_;
    const std::uint64_t stopAfterMs_;
    const std::uint32_t notifyMessage_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Notice> arrived_;
    bool urgent_ = false;
    std::uint64_t reportedMs_ = 0;
    bool stopped_ = false;
    platform::WindowHandle window_;
};
