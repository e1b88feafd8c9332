#include "library/frame/state.h"

LibraryState g{};
EngineState& engine = g;

const std::int32_t polyGain[33] = {32, 32, 31, 31, 30, 29, 29, 29, 28, 28, 28,
                                   27, 27, 27, 26, 26, 26, 25, 25, 25, 24, 24,
                                   24, 23, 23, 23, 22, 22, 22, 21, 21, 21, 20};
