// Mode rules of "arkada", "bitva", "destrukce" and the two training modes, the record check and
// the end of a game.
#include "play/modes.h"

#include <algorithm>

#include "play/cursor_motion.h"
#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "rules/board.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "store/high_scores.h"
#include "text/strings.h"

namespace {
constexpr int32_t kFastestSupply = 1000;

bool ScoredMode() {
  return Game.GameMode >= 1 && Game.GameMode <= 3;
}

int32_t WholeSecondsElapsed() {
  return Game.StateTime / 1000 * 1000;
}

// The result overlay takes over with a fresh clock and the cursor parked.
void EnterResult() {
  Game.OverlaySlide = 0;
  Game.StateTime = 0;
  Game.Phase = phResult;
  Game.MoleculesMade = 0;
  ResetCursor();
}

// One second of supply interval less for every whole minute played, never below 1000 ms.
void SpeedUpByMinutes(int32_t baseInterval) {
  const int64_t interval = static_cast<int64_t>(baseInterval) - 1000LL * (Game.StateTime / 60000);
  Game.Level.SupplyInterval = static_cast<int32_t>(std::max<int64_t>(interval, kFastestSupply));
}

void ArcadeRules() {
  if (Game.StateTime > Game.Level.TimeLimit || Game.QueueCount == 11) {
    DetonateAll();
    if (Game.QueueCount == 11) Game.QueueCount = 10;
    Game.Phase = phResult;
    Game.ResultTime = Game.Level.TimeLimit;
    EndGame("uspech");
  }
  // Made even when the game has just been lost in this frame.
  if (Game.MoleculesMade >= Game.Level.MoleculeGoal) {
    DetonateAll();
    Game.ResultTime = WholeSecondsElapsed();
    EnterResult();
    PlaySound("mezihra");
  }
}

void BattleRules() {
  SpeedUpByMinutes(ModeParams[2].SupplyInterval);
  if (Game.QueueCount != 11) return;
  DetonateAll();
  Game.QueueCount = 10;
  Game.ResultTime = WholeSecondsElapsed();
  EnterResult();
  CheckForRecord();
  if (Game.NewRecord == 0) PlaySound("uspech");
}

bool BoardHasAtoms() {
  for (int col = 1; col <= 12; ++col) {
    for (int row = 1; row <= 10; ++row) {
      const int32_t kind = Game.Board[col][row].Kind;
      if (kind >= 1 && kind <= 5) return true;
    }
  }
  return false;
}

void DestructionRules() {
  Game.Level.SupplyInterval = std::max(Game.Level.SupplyInterval, kFastestSupply);
  Game.BoardCleared = BoardHasAtoms() ? 0 : 1;
  if (Game.QueueCount != 11 && Game.BoardCleared == 0) return;
  const bool overflow = Game.QueueCount == 11;
  if (overflow) Game.Score = 0;
  DetonateAll();
  if (overflow) {
    PlaySound("neuspech");
    Game.ResultTime = 0;
    Game.QueueCount = 10;
  } else {
    CheckForRecord();
    if (Game.NewRecord == 0) PlaySound("uspech");
    Game.ResultTime = WholeSecondsElapsed();
  }
  EnterResult();
}
}  // namespace

void ApplyModeRules() {
  switch (Game.GameMode) {
    case 1:
      ArcadeRules();
      break;
    case 2:
      BattleRules();
      break;
    case 3:
      DestructionRules();
      break;
    case 5:
      SpeedUpByMinutes(ModeParams[5].SupplyInterval);
      break;
    default:
      break;
  }
}

void EndLevelAtOnce() {
  // The training modes have no result phase to come back from, so the key does nothing there.
  if (!ScoredMode()) return;
  DetonateAll();
  Game.ResultTime = WholeSecondsElapsed();
  Game.StateTime = 0;
  Game.Phase = phResult;
  Game.OverlaySlide = 0;
  Game.MoleculesMade = 0;
}

int32_t TenthHallScore() {
  return TextToInt(HallScores[static_cast<size_t>(10 * (Game.GameMode - 1) + 9)]);
}

void CheckForRecord() {
  // A daily score is kept in the record of days, never in the hall of fame.
  if (!ScoredMode() || DailyGame) return;
  Game.EnteredName.clear();
  LoadHighScores();
  if (TenthHallScore() < Game.Score) Game.NewRecord = 1;
}

void EndGame(std::string_view sound) {
  ScreenState = ssGameOver;
  Game.StateTime = 0;
  Game.OverlaySlide = 0;
  ResetCursor();
  CheckForRecord();
  if (!sound.empty() && Game.NewRecord == 0) PlaySound(sound);
}
