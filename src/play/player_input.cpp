// What the player's keys do on the board while it is played.
#include "play/player_input.h"

#include <cstdlib>

#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "play/play_keys.h"
#include "play/play_math.h"
#include "play/side_column.h"
#include "rules/board.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"

namespace {
// A direction key starts a slide only while its axis is at rest; at the edge it is still latched.
void StartSlide(int32_t key, uint8_t& latch, int8_t& step, bool canMove, int8_t direction) {
  if (!KeyDown(key) || latch != 0 || step != 0) return;
  latch = 1;
  if (canMove) step = direction;
}

void ReleaseIfUp(int32_t key, uint8_t& latch) {
  if (!KeyDown(key)) latch = 0;
}

void ActOnCellUnderCursor() {
  if (Game.QueueCount == 0 || !AtomInHandLanded()) return;
  if (Game.CursorOffsetX != 0.0 || Game.CursorOffsetY != 0.0) return;
  const int32_t kind = Game.Board[Game.CursorCol][Game.CursorRow].Kind;
  if (kind == 0) {
    PlaceAtomInHand();
  } else if (kind >= 1 && kind <= 5) {
    ExchangeAtomInHand();
  }
}
}  // namespace

void HandlePlayerInput() {
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    LatchBack = 1;
    Game.QuitPrompt = 1;
  }
  StartSlide(VK_UP, LatchUp, Game.CursorStepY, Game.CursorRow > 1, -1);
  StartSlide(VK_DOWN, LatchDown, Game.CursorStepY, Game.CursorRow < 10, +1);
  StartSlide(VK_LEFT, LatchLeft, Game.CursorStepX, Game.CursorCol > 1, -1);
  StartSlide(VK_RIGHT, LatchRight, Game.CursorStepX, Game.CursorCol < 12, +1);
  // The day's challenge is a contest: no bonus key there.
  if (KeyDown(VK_F1) && !DailyGame) Game.Score = SaturatingAdd(Game.Score, 100);
  // Enter does not place: only Space, which alone releases the confirm latch here.
  if (KeyDown(VK_SPACE) && LatchConfirm == 0) {
    LatchConfirm = 1;
    ActOnCellUnderCursor();
  }
  ReleaseIfUp(VK_SPACE, LatchConfirm);
  ReleaseIfUp(VK_UP, LatchUp);
  ReleaseIfUp(VK_DOWN, LatchDown);
  ReleaseIfUp(VK_LEFT, LatchLeft);
  ReleaseIfUp(VK_RIGHT, LatchRight);
  ReleaseIfUp(VK_ESCAPE, LatchBack);
}

void HandleQuitPrompt() {
  if (KeyDown(VK_RETURN) && LatchConfirm == 0) {
    PlaySound("menu_ok");
    StopSound("alert");
    LatchConfirm = 1;
    // The board and the rest of the game are left as they are; the next game sets them up.
    ScreenState = ssMainMenu;
    ShowMenu(MainLabels, 5, 1);
  }
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    LatchBack = 1;
    Game.QuitPrompt = 0;
  }
  ReleaseIfUp(VK_ESCAPE, LatchBack);
  ReleaseIfUp(VK_RETURN, LatchConfirm);
}

void PlaceAtomInHand() {
  const uint8_t col = Game.CursorCol;
  const uint8_t row = Game.CursorRow;
  if (Game.QueueCount == 10) StopSound("alert");
  Game.Board[col][row].ElectronAngle = 0.0;
  PlaceAtom(col, row, Game.Queue[1].Kind);
  CheckStructure(col, row, Game.MoleculesMade);
  DropAtomInHand(true);
  PlaySound("menu_pohyb");
}

void ExchangeAtomInHand() {
  const uint8_t col = Game.CursorCol;
  const uint8_t row = Game.CursorRow;
  TBoardCell& cell = Game.Board[col][row];
  PlaySound("vymena");
  ReleaseBonds(col, row);
  const int32_t old = cell.Kind;
  PlaceAtom(col, row, Game.Queue[1].Kind);
  Game.Queue[1].Kind = static_cast<uint8_t>(old);
  // A wildcard in hand is charged for the kind it took on the board, not for 5.
  Game.Score -= 100 * std::abs(old - cell.Kind);
  if (Game.Score < 0) Game.Score = 0;
  RebondAtom(col, row - 1);
  RebondAtom(col + 1, row);
  RebondAtom(col, row + 1);
  RebondAtom(col - 1, row);
  CheckStructure(col, row, Game.MoleculesMade);
}
