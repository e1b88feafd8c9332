// Where the player's logic tells the user something while no window of its own can: a box the
// user closes before the logic goes on.
#pragma once

#include <string>

class PlayerMessages {
public:
    virtual ~PlayerMessages() = default;
    virtual void Show(const std::u16string& text) = 0;
};
