// The result overlay's logic: emptying the side column, counting the time bonus or penalty into
// the score, and what follows (the next arcade level or the end of the game).
#pragma once
#include <cstdint>

// Runs after the result texts are drawn, on frames that are drawn.
void AdvanceResult(int32_t lagMs);
