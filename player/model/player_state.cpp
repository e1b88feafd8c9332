#include "player/model/player_state.h"

PlayerState g_player;
