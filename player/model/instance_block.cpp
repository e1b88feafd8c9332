#include "player/model/instance_block.h"

#include <cstdint>
#include <cstring>

#include "platform/instance.h"
#include "player/model/player_state.h"

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
