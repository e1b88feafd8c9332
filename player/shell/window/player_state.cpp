#include "player/shell/window/player_state.h"

PlayerState g_player;
