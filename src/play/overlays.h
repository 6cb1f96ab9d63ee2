// The briefing and result overlays: texts sliding down over the board between phases.
#pragma once
#include <cstdint>

// Draws the overlay of the current phase, then runs its logic (slide-out, counting, hand-over).
void DrawOverlayAndAdvance(int32_t lagMs);
