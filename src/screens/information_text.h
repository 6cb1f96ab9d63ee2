// The 32 lines of the information pages.
#pragma once
#include <array>

// Lines 1..32; index 0 unused.
extern const std::array<const char*, 33> InformationText;
