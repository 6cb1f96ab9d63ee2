// One frame of the running game's logic, in the game's fixed order.
#include "play/play_update.h"

#include "play/atom_supply.h"
#include "play/briefing.h"
#include "play/cursor_motion.h"
#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "play/modes.h"
#include "play/play_keys.h"
#include "play/play_math.h"
#include "play/player_input.h"
#include "play/side_column.h"
#include "rules/board.h"

namespace {
constexpr double kCellPitch = 40.0;
constexpr double kPulseMsPerStep = 5.0;
}  // namespace

void UpdatePlayState(int32_t lagMs) {
  SlideAxis(Game.CursorOffsetX, Game.CursorStepX, Game.CursorCol, lagMs, kCellPitch);
  SlideAxis(Game.CursorOffsetY, Game.CursorStepY, Game.CursorRow, lagMs, kCellPitch);
  PulseCursor(lagMs, kPulseMsPerStep);
  AnimateBoard(lagMs);
  Game.StateTime = SaturatingAdd(Game.StateTime, lagMs);
  if (Game.Phase == phPlay) ApplyModeRules();
  // Sees the keys of the previous frame: the keyboard is read only further down.
  if (Game.Phase == phPlay && KeyDown(VK_M) && !DailyGame) EndLevelAtOnce();
  if (Game.Phase == phPlay) SupplyAtoms();
  FallSideColumn(lagMs, true);
  ReadKeyboard();
  if (Game.Phase == phPlay) {
    if (Game.QuitPrompt != 0) {
      HandleQuitPrompt();
    } else {
      HandlePlayerInput();
    }
  }
  if (Game.Phase == phBriefing) HandleBriefingKeys();
}
