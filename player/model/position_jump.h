// Whether the play position jumped between two looks at it, rather than moved on with the
// music: the desktop is then told the new position.
#pragma once

#include <cstdint>

// How far the position may run ahead of the clock: the library reports a block (one quarter
// note) at a time, and renders up to two blocks ahead of the sound.
inline constexpr int kPositionLeadMs = 3000;

// before and after: the positions at two looks wallMs apart; advancing: the song played (not
// paused) since the first look. Back by any amount, or on by more than the clock and the lead.
bool PositionJumped(int beforeMs, int afterMs, std::int64_t wallMs, bool advancing);
