// The player's one state record, as the shell's files and their tests include it: the record
// itself is the model's.
#pragma once

#include "player/model/player_state.h"
