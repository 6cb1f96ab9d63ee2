// Cell-to-cell slides and the brightness pulse of the selection frame.
#include "play/cursor_motion.h"

#include "play/game_state.h"
#include "play/play_math.h"

void SlideAxis(double& offset, int8_t& step, uint8_t& cell, int32_t lagMs, double spacing) {
  if (step == 0) return;
  offset += lagMs / 2.0 * step;
  if (offset >= spacing || offset <= -spacing) {
    cell = static_cast<uint8_t>(cell + step);
    step = 0;
    offset = 0.0;
  }
}

void PulseCursor(int32_t lagMs, double msPerStep) {
  Game.CursorPulse =
      SaturatingAdd(Game.CursorPulse, RoundEven(lagMs / msPerStep * Game.CursorPulseStep));
  if (Game.CursorPulse > 255) {
    Game.CursorPulse = 255;
    Game.CursorPulseStep = -Game.CursorPulseStep;
  }
  if (Game.CursorPulse < 50) {
    Game.CursorPulse = 50;
    Game.CursorPulseStep = -Game.CursorPulseStep;
  }
}

void ResetCursor() {
  Game.CursorCol = 1;
  Game.CursorRow = 1;
  Game.CursorOffsetX = 0.0;
  Game.CursorOffsetY = 0.0;
  Game.CursorStepX = 0;
  Game.CursorStepY = 0;
}
