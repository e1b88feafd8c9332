#include "player/shell/player_state.h"

PlayerState g_player;
