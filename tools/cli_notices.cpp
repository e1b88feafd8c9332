#include "tools/cli_notices.h"

#include <chrono>

#include "library/tesalo.h"

NoticeInbox::NoticeInbox(std::uint32_t wakeEvery, std::uint64_t stopAfterMs)
    : wakeEvery_(wakeEvery == 0 ? 1 : wakeEvery),
      stopAfterMs_(stopAfterMs),
      notifyMessage_(platform::RegisterMessageName(TE_NOTIFY_MESSAGE)),
      window_(platform::CreateBridgeWindow(Arrive, this)) {}

// No notification arrives after this: the window waits for a post in progress.
NoticeInbox::~NoticeInbox() { platform::DestroyMessageWindow(window_); }

void NoticeInbox::Arrive(void* context, std::uint32_t message, std::uintptr_t wParam,
                         std::intptr_t lParam) {
    auto& inbox = *static_cast<NoticeInbox*>(context);
    if (message != inbox.notifyMessage_) return;
    const auto code = static_cast<std::uint32_t>(wParam);
    bool wake;
    {
        std::lock_guard lock(inbox.mutex_);
        inbox.arrived_.push_back({code, lParam});
        inbox.urgent_ = inbox.urgent_ || code == TE_NOTIFY_PLAY || code == TE_NOTIFY_END;
        wake = inbox.urgent_ || inbox.arrived_.size() >= inbox.wakeEvery_;
        if (code == TE_NOTIFY_DURATION) inbox.reportedMs_ += static_cast<std::uint32_t>(lParam);
        if (inbox.stopAfterMs_ != 0 && !inbox.stopped_ && inbox.reportedMs_ >= inbox.stopAfterMs_) {
            inbox.stopped_ = true;
            TeStop();
        }
    }
    if (wake) inbox.wake_.notify_one();
}

bool NoticeInbox::StoppedAtLimit() {
    std::lock_guard lock(mutex_);
    return stopped_;
}

void NoticeInbox::Take(std::vector<Notice>* out, std::uint32_t timeoutMs) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                   [this] { return urgent_ || arrived_.size() >= wakeEvery_; });
    out->clear();
    out->swap(arrived_);
    urgent_ = false;
}
