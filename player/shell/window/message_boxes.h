// The player's message boxes as the model's PlayerMessages.
#pragma once

#include <string>

#include "player/model/player_messages.h"
#include "player/shell/dialogs/player_message.h"

class PlayerMessageBoxes final : public PlayerMessages {
public:
    void Show(const std::u16string& text) override { ShowPlayerMessage(text); }
};
