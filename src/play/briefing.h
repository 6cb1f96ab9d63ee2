// The briefing before a level or mode: the keys that dismiss it and its slide-out into play.
#pragma once
#include <cstdint>

// Once the briefing delay has passed, Esc or Enter/Space starts the slide-out.
void HandleBriefingKeys();

// Runs after the briefing texts are drawn: grows the slide and starts play once it is out of sight.
void AdvanceBriefingSlide(int32_t lagMs);

// OverlaySlide div 5 beyond which the briefing has left the screen.
int32_t BriefingSlideLimit();
