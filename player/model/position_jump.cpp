#include "player/model/position_jump.h"

bool PositionJumped(int beforeMs, int afterMs, std::int64_t wallMs, bool advancing) {
    const std::int64_t moved = static_cast<std::int64_t>(afterMs) - beforeMs;
    return moved < 0 || moved > (advancing ? wallMs : 0) + kPositionLeadMs;
}
