#include "platform/event.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <unordered_map>

namespace platform {

namespace {

struct NamedEvent {
    std::string name;
    int handles = 0;
    bool signalled = false;
    std::condition_variable changed;
};

struct EventTable {
    std::mutex mutex;
    std::unordered_map<std::string, NamedEvent*> events;
};

// Never destroyed: a thread may still close its handle while the process exits.
EventTable& Table() {
    static EventTable* table = new EventTable;
    return *table;
}

// Takes one more handle of the named event; the table's lock must be held.
NamedEvent* AddHandle(EventTable& table, const char* name, bool create) {
    auto found = table.events.find(name);
    NamedEvent* event = nullptr;
    if (found != table.events.end()) {
        event = found->second;
    } else if (create) {
        event = new NamedEvent;
        event->name = name;
        table.events.emplace(name, event);
    }
    if (event != nullptr) ++event->handles;
    return event;
}

}  // namespace

EventHandle CreateNamedEvent(const char* name) {
    EventTable& table = Table();
    std::lock_guard lock(table.mutex);
    return AddHandle(table, name != nullptr ? name : "", true);
}

EventHandle OpenNamedEvent(const char* name) {
    if (name == nullptr) return nullptr;
    EventTable& table = Table();
    std::lock_guard lock(table.mutex);
    return AddHandle(table, name, false);
}

void SignalEvent(EventHandle event) {
    if (event == nullptr) return;
    EventTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto* named = static_cast<NamedEvent*>(event);
    named->signalled = true;
    named->changed.notify_all();
}

void WaitEvent(EventHandle event) {
    if (event == nullptr) return;
    EventTable& table = Table();
    std::unique_lock lock(table.mutex);
    auto* named = static_cast<NamedEvent*>(event);
    named->changed.wait(lock, [named] { return named->signalled; });
}

void CloseEvent(EventHandle event) {
    if (event == nullptr) return;
    EventTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto* named = static_cast<NamedEvent*>(event);
    if (--named->handles > 0) return;
    table.events.erase(named->name);
    delete named;
}

}  // namespace platform
