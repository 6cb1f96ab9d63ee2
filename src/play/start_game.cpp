// Setting up a new game: the record reset, the board, the start atoms of "destrukce", the level.
#include "play/start_game.h"

#include "play/cursor_motion.h"
#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "rules/board.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "store/level_params.h"
#include "store/random.h"

namespace {
void SeedDestructionBoard() {
  for (int n = 0; n < 10; ++n) {
    const int32_t kind = 3 + GameRandom(2);
    uint8_t col = 0;
    uint8_t row = 0;
    do {
      col = static_cast<uint8_t>(1 + GameRandom(12));
      row = static_cast<uint8_t>(1 + GameRandom(10));
    } while (Game.Board[col][row].Kind != 0);
    // Neighbouring start atoms bond as any placed atoms do; no structure is checked.
    PlaceAtom(col, row, kind);
  }
}

// Different dates give unrelated generators even though their numbers are close.
uint32_t DailySeed(const TDailyDate& date) {
  uint64_t mixed = date.Number() + 0x9E3779B97F4A7C15ull;
  mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ull;
  mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>(mixed ^ (mixed >> 31));
}

void SetUpGame(uint8_t mode) {
  PlaySound("mezihra");
  LatchConfirm = 1;
  ScreenState = ssPlay;
  Game.GameMode = mode;
  Game.Phase = phBriefing;
  Game.LevelNumber = 1;
  Game.StateTime = 0;
  Game.ResultTime = 0;
  Game.OverlaySlide = 0;
  Game.NextAtomTime = 0;
  Game.Score = 0;
  Game.MoleculesMade = 0;
  Game.BoardCleared = 1;
  Game.QuitPrompt = 0;
  Game.NewRecord = 0;
  Game.QueueCount = 0;
  ResetCursor();
  ClearBoard();
  if (mode == 3) SeedDestructionBoard();
  Game.QueueCount = 0;
  // Every game starts from the same record, whatever the one before left: its replay, which
  // starts from a fresh start-up, then plays the same.
  for (int k = 1; k <= 20; ++k) Game.Queue[k] = TQueueEntry{};
  Game.CursorPulseStep = 1;
  Game.CursorPulse = 50;
  Game.Level = mode == 1 ? ArcadeLevels[1] : ModeParams[mode];
}
}  // namespace

void StartGame(uint8_t mode) {
  if (mode < 1 || mode > 5) return;
  DailyGame.reset();
  UseSharedGameGenerator();
  SetUpGame(mode);
}

void StartDailyGame(const TDailyDate& date) {
  DailyGame = date;
  UseOwnGameGenerator(DailySeed(date));
  SetUpGame(3);
}

void EndDailyGame() {
  DailyGame.reset();
  UseSharedGameGenerator();
}
