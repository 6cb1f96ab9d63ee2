// Dismissing the briefing overlay and handing over to play.
#include "play/briefing.h"

#include "play/game_state.h"
#include "play/play_keys.h"
#include "play/play_math.h"
#include "shell/screen_state.h"

void HandleBriefingKeys() {
  // Before the delay the latches stay taken, so a key still held from the mode choice cannot
  // dismiss the briefing.
  if (Game.StateTime <= Game.Level.BriefingDelay || Game.OverlaySlide != 0) return;
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    LatchBack = 1;
    Game.OverlaySlide = 1;
  }
  if (ConfirmKeyDown() && LatchConfirm == 0) {
    LatchConfirm = 1;
    Game.OverlaySlide = 1;
  }
  if (!ConfirmKeyDown()) LatchConfirm = 0;
  if (!KeyDown(VK_ESCAPE)) LatchBack = 0;
}

int32_t BriefingSlideLimit() {
  return Game.GameMode == 1 ? 320 : 260;
}

void AdvanceBriefingSlide(int32_t lagMs) {
  if (Game.OverlaySlide == 0) return;
  Game.OverlaySlide = SaturatingAdd(Game.OverlaySlide, lagMs);
  if (Game.OverlaySlide / 5 > BriefingSlideLimit()) {
    Game.Phase = phPlay;
    Game.StateTime = 0;
    Game.OverlaySlide = 0;
  }
}
