// The play screen's per-frame logic, run before the screen is drawn.
#pragma once
#include <cstdint>

// Cursor, pulse, board animation, clock, mode rules, M key, supply, falling, keys; in that order.
void UpdatePlayState(int32_t lagMs);
