#include "platform/messages.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace platform {

namespace {

struct MessageQueue {
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<WindowMessage> messages;
};

// A bridge's callback runs outside the window table's lock (it may post again); callMutex
// lets DestroyMessageWindow wait for callbacks in progress, so the context outlives them.
struct BridgeTarget {
    std::recursive_mutex callMutex;
    bool destroyed = false;
    BridgeCallback callback;
    void* context;
};

struct Window {
    WindowProc proc = nullptr;
    std::shared_ptr<MessageQueue> queue;  // the owner thread's queue; empty for a bridge
    std::shared_ptr<BridgeTarget> bridge;
    bool destroying = false;
};

struct WindowTable {
    std::mutex mutex;
    std::unordered_map<WindowHandle, Window> windows;
    WindowHandle lastHandle = 0;
    std::unordered_map<std::string, std::uint32_t> messageNames;
};

// Never destroyed: threads of other modules may still post while the process exits.
WindowTable& Table() {
    static WindowTable* table = new WindowTable;
    return *table;
}

std::shared_ptr<MessageQueue>& ThreadQueue() {
    thread_local std::shared_ptr<MessageQueue> queue = std::make_shared<MessageQueue>();
    return queue;
}

WindowHandle AddWindow(Window window) {
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    WindowHandle handle = ++table.lastHandle;
    table.windows.emplace(handle, std::move(window));
    return handle;
}

// Window of the handle, nullptr when there is none; the table's lock must be held.
Window* FindWindow(WindowTable& table, WindowHandle window) {
    auto found = table.windows.find(window);
    return found == table.windows.end() ? nullptr : &found->second;
}

// The receiver is woken once the lock is free, so it does not wake only to wait for the lock
// (two more switches per message while a song renders). The caller keeps the queue alive.
void Enqueue(MessageQueue& queue, const WindowMessage& message) {
    {
        std::lock_guard lock(queue.mutex);
        queue.messages.push_back(message);
    }
    queue.arrived.notify_one();
}

bool CallBridge(BridgeTarget& bridge, std::uint32_t message, std::uintptr_t wParam,
                std::intptr_t lParam) {
    std::lock_guard lock(bridge.callMutex);
    if (bridge.destroyed) return false;
    bridge.callback(bridge.context, message, wParam, lParam);
    return true;
}

// Takes the next message of the calling thread; waits until deadline when one is given.
int TakeMessage(WindowMessage* out, const std::chrono::steady_clock::time_point* deadline) {
    MessageQueue& queue = *ThreadQueue();
    std::unique_lock lock(queue.mutex);
    auto ready = [&queue] { return !queue.messages.empty(); };
    if (deadline == nullptr) {
        queue.arrived.wait(lock, ready);
    } else if (!queue.arrived.wait_until(lock, *deadline, ready)) {
        return -1;
    }
    *out = queue.messages.front();
    queue.messages.pop_front();
    return out->window == 0 && out->message == kMsgQuit ? 0 : 1;
}

}  // namespace

std::uint32_t RegisterMessageName(const char* name) {
    if (name == nullptr || name[0] == '\0') return 0;
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.messageNames.find(name);
    if (found != table.messageNames.end()) return found->second;
    auto id = static_cast<std::uint32_t>(kFirstRegisteredMessage + table.messageNames.size());
    if (id > 0xFFFF) return 0;  // the range of registered messages is used up
    table.messageNames.emplace(name, id);
    return id;
}

WindowHandle CreateMessageWindow(WindowProc proc) {
    Window window;
    window.proc = proc;
    window.queue = ThreadQueue();
    return AddWindow(std::move(window));
}

WindowHandle CreateBridgeWindow(BridgeCallback callback, void* context) {
    Window window;
    window.bridge = std::make_shared<BridgeTarget>();
    window.bridge->callback = callback;
    window.bridge->context = context;
    return AddWindow(std::move(window));
}

bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    std::shared_ptr<BridgeTarget> bridge;
    {
        WindowTable& table = Table();
        std::lock_guard lock(table.mutex);
        Window* found = FindWindow(table, window);
        if (found == nullptr) return false;
        if (found->bridge == nullptr) {
            Enqueue(*found->queue, WindowMessage{window, message, wParam, lParam});
            return true;
        }
        bridge = found->bridge;
    }
    return CallBridge(*bridge, message, wParam, lParam);
}

int GetWindowMessage(WindowMessage* out) { return TakeMessage(out, nullptr); }

int WaitWindowMessage(WindowMessage* out, std::uint32_t timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    return TakeMessage(out, &deadline);
}

std::intptr_t DispatchWindowMessage(const WindowMessage& msg) {
    WindowProc proc = nullptr;
    {
        WindowTable& table = Table();
        std::lock_guard lock(table.mutex);
        Window* found = FindWindow(table, msg.window);
        if (found == nullptr || found->proc == nullptr) return 0;
        proc = found->proc;
    }
    return proc(msg.window, msg.message, msg.wParam, msg.lParam);
}

void PostQuitWindowMessage(int exitCode) {
    Enqueue(*ThreadQueue(), WindowMessage{0, kMsgQuit, static_cast<std::uintptr_t>(exitCode), 0});
}

bool DestroyMessageWindow(WindowHandle window) {
    WindowTable& table = Table();
    Window removed;
    {
        std::lock_guard lock(table.mutex);
        Window* found = FindWindow(table, window);
        if (found == nullptr || found->destroying) return false;
        found->destroying = true;
        removed = *found;
    }
    // Like a window being destroyed, it still exists while its procedure hears of it.
    if (removed.proc != nullptr) removed.proc(window, kMsgDestroy, 0, 0);
    {
        std::lock_guard lock(table.mutex);
        table.windows.erase(window);
    }
    if (removed.bridge != nullptr) {
        std::lock_guard lock(removed.bridge->callMutex);
        removed.bridge->destroyed = true;
    }
    return true;
}

}  // namespace platform
