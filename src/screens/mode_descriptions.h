// The description shown beside each game mode in the mode choice: 14 lines, empty ones kept.
#pragma once
#include <array>

// [mode 1..5][line 1..14]; index 0 unused in both.
using TModeDescription = std::array<const char*, 15>;
extern const std::array<TModeDescription, 6> ModeDescriptions;
