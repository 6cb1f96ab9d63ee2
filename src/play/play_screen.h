// Drawing one frame of the play screen after the play update has run.
#pragma once
#include <cstdint>

// The twelve drawing steps, overlays and their logic included; the display must be drawable.
void DrawPlayScreen(int32_t lagMs);
