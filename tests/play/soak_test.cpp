// Random-key games in every mode: the board and game invariants hold after every frame, and the
// game always answers the way out. BRUNIVAL_SOAK_GAMES sets the number of games (default 10000).
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>

#include "play/game_state.h"
#include "play/start_game.h"
#include "play_rig.h"
#include "shell/screen_state.h"
#include "store/level_params.h"

namespace {
// Bond flags of a cell in the order up, down, left, right.
int BondCount(const TBoardCell& cell) {
  return cell.BondUp + cell.BondDown + cell.BondLeft + cell.BondRight;
}

std::string CellProblem(int col, int row) {
  const TBoardCell& cell = Game.Board[col][row];
  const bool border = col == 0 || col == 13 || row == 0 || row == 11;
  if (border) return cell.Kind == 0 && BondCount(cell) == 0 ? "" : "border cell not empty";
  if (cell.BondRight != Game.Board[col + 1][row].BondLeft) return "right bond not mirrored";
  if (cell.BondDown != Game.Board[col][row + 1].BondUp) return "down bond not mirrored";
  const int32_t kind = cell.Kind;
  if (kind >= 1 && kind <= 4 && cell.FreeElectrons + BondCount(cell) != kind) {
    return "free electrons and bonds do not add up to the kind";
  }
  if (kind == 5 && (cell.FreeElectrons != 5 || BondCount(cell) != 0)) return "bad wildcard";
  if ((kind == 0 || kind > 100) && (cell.FreeElectrons != 0 || BondCount(cell) != 0)) {
    return "empty or exploding cell holds electrons or bonds";
  }
  if (!(kind >= 0 && kind <= 5) && !(kind >= 101 && kind <= 105)) return "unknown kind";
  if (cell.BlastRadius < 0 || cell.BlastRadius > 18) return "blast radius out of range";
  return "";
}

std::string GameProblem() {
  for (int col = 0; col <= 13; ++col) {
    for (int row = 0; row <= 11; ++row) {
      const std::string problem = CellProblem(col, row);
      if (!problem.empty()) {
        return "cell " + std::to_string(col) + "," + std::to_string(row) + ": " + problem;
      }
    }
  }
  if (Game.QueueCount > 11) return "side column above 11";
  for (int k = 1; k <= Game.QueueCount; ++k) {
    if (Game.Queue[k].Kind < 1 || Game.Queue[k].Kind > 5) return "side column entry without atom";
    if (Game.Queue[k].Y > Game.Queue[k - 1].Y - 33) return "side column atom below its place";
  }
  const bool keyboard = ScreenState == ssNameEntry;
  if (Game.CursorCol < 1 || Game.CursorCol > (keyboard ? 8 : 12)) return "cursor column";
  if (Game.CursorRow < 1 || Game.CursorRow > (keyboard ? 5 : 10)) return "cursor row";
  if (Game.CursorPulse < 50 || Game.CursorPulse > 255) return "cursor pulse";
  if (Game.Score < 0) return "negative score";
  if (Game.Phase > phBriefing) return "unknown phase";
  if (Game.EnteredName.size() > 5) return "name longer than 5";
  return "";
}

bool InGame() {
  return ScreenState == ssPlay || ScreenState == ssGameOver || ScreenState == ssNameEntry;
}

int SoakGames() {
  const char* text = std::getenv("BRUNIVAL_SOAK_GAMES");
  return text != nullptr ? std::atoi(text) : 10000;
}

// Long soaks run in chunks with different seeds, so each chunk plays new games.
uint32_t SoakSeed() {
  const char* text = std::getenv("BRUNIVAL_SOAK_SEED");
  return text != nullptr ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : 2024;
}
}  // namespace

class Soak : public PlayRig {
 protected:
  // Short games: quick supply, short limits and briefings, small goals.
  void ShortenGames() {
    for (int k = 1; k <= 20; ++k) {
      ArcadeLevels[k] = {
          1500 + 100 * k, k % 3 == 0 ? "AAAAA" : "A A A", 40 + 10 * k, k % 3, k % 4, 50};
    }
    ModeParams[2] = {0, "AAAAA", 60, 0, 0, 50};
    ModeParams[3] = {0, "AAAAA", 200, 0, 2, 50};
    ModeParams[4] = {0, "AAAAA", 0, 0, 0, 50};
    ModeParams[5] = {0, "A AA", 10, 0, 0, 50};
  }

  void CheckedFrame(int32_t lag, std::initializer_list<int> keys, int game) {
    Frame(lag, keys);
    const std::string problem = GameProblem();
    ASSERT_TRUE(problem.empty()) << "game " << game << " (mode " << int(Game.GameMode)
                                 << ", screen " << int(ScreenState) << "): " << problem;
  }

  // Esc, Enter and Space in turn lead out of every game screen within a bounded time.
  void LeaveGame(int game) {
    for (int cycle = 0; cycle < 400 && InGame(); ++cycle) {
      for (auto keys : {std::initializer_list<int>{}, {VK_ESCAPE}, {}, {VK_RETURN}, {VK_SPACE}}) {
        CheckedFrame(250, keys, game);
        if (!InGame()) return;
      }
    }
    ASSERT_FALSE(InGame()) << "game " << game << " did not answer the way out";
  }

  // The state the briefing leaves behind when it has slid out, so that most games start
  // on the board at once.
  static void SkipBriefing() {
    Game.Phase = phPlay;
    Game.StateTime = 0;
    Game.OverlaySlide = 0;
  }
};

TEST_F(Soak, RandomKeyGamesKeepTheInvariantsAndAlwaysLetThePlayerOut) {
  ShortenGames();
  Settings[3] = 1;
  std::mt19937 random(SoakSeed());
  const int keys[] = {VK_UP,    VK_DOWN,   VK_LEFT,   VK_RIGHT, VK_SPACE,
                      VK_SPACE, VK_RETURN, VK_ESCAPE, VK_M,     VK_F1};
  const int games = SoakGames();
  for (int game = 0; game < games; ++game) {
    // A new game starts from whatever the last one left, as after leaving by the quit prompt.
    StartGame(static_cast<uint8_t>(1 + game % 5));
    if (game % 4 != 0) SkipBriefing();
    for (int frame = 0; frame < 40 && InGame(); ++frame) {
      // At most two keys a frame, Esc seldom; most frames are not drawn, which keeps the run
      // short and exercises the overlay logic that waits for a drawn frame.
      const int first = keys[random() % 10];
      const int second = keys[random() % 10];
      display_.drawable = random() % 6 == 0;
      const int32_t lag = 1 + static_cast<int32_t>(random() % 120);
      const bool rareEsc = first != VK_ESCAPE || random() % 4 == 0;
      if (random() % 3 == 0) {
        CheckedFrame(lag, {}, game);
      } else if (random() % 4 == 0 && rareEsc) {
        CheckedFrame(lag, {first, second}, game);
      } else {
        CheckedFrame(lag, {rareEsc ? first : VK_SPACE}, game);
      }
      if (HasFatalFailure()) return;
    }
    display_.drawable = true;
    if (game % 10 == 9) LeaveGame(game);
    if (HasFatalFailure()) return;
  }
}
