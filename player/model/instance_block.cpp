#include "player/model/instance_block.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <thread>

#include "platform/instance.h"
#include "player/model/player_state.h"

namespace {

constexpr int kWindowPollMs = 50;

bool FirstWindowExists(const char* name, std::size_t size) {
    const void* view = platform::OpenInstanceBlock(name, size);
    if (view == nullptr) return false;
    std::uint32_t window = 0;
    std::memcpy(&window, view, sizeof window);
    platform::CloseInstanceBlock(view, size);
    return window != 0;
}

}  // namespace

bool MakeInstanceBlock(const char* name, std::size_t size, PlayerMessages& messages) {
    bool mapFailed = false;
    g_player.instanceBlock = platform::CreateInstanceBlock(name, size, &mapFailed);
    if (g_player.instanceBlock != nullptr) return true;
    messages.Show(mapFailed ? u"TESALO DDE ERROR(02)" : u"TESALO DDE ERROR(01)");
    return false;
}

void PublishWindow(platform::WindowHandle window) {
    if (g_player.instanceBlock == nullptr) return;
    const auto handle = static_cast<std::uint32_t>(window);
    std::memcpy(g_player.instanceBlock, &handle, sizeof handle);
}

bool WaitForFirstWindow(const char* name, std::size_t size, int waitMs) {
    for (int waited = 0;; waited += kWindowPollMs) {
        if (FirstWindowExists(name, size)) return true;
        if (waited >= waitMs) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(kWindowPollMs));
    }
}
