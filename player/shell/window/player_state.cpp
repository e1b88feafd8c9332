#include "player/shell/window/player_state.h"

#include "platform/language.h"

PlayerState g_player;

bool SystemLanguageIsJapanese() { return (platform::GetSystemDefaultLanguage() & 0x3FF) == 0x11; }
