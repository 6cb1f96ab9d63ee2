#include "placement_choice.h"

#include <array>
#include <cstdlib>

#include "media/media_events.h"
#include "play/game_state.h"
#include "play/player_input.h"
#include "rules/board.h"

namespace {
constexpr int kCols = 12;
constexpr int kRows = 10;

// Weights of the judgement, in points of one board position against another.
constexpr double kCountedMolecule = 600.0;
constexpr double kPerAtomBeyondMinimum = -4.0;
constexpr double kPerWastedAtom = -10.0;
constexpr double kPerUsefulAtom = 12.0;
constexpr double kPerFreeElectron = -14.0;
constexpr double kPerOpenStructure = -20.0;
constexpr double kDeadStructure = -80.0;
constexpr double kPerDeadAtom = -15.0;
constexpr double kPerCursorStep = -1.5;
constexpr double kPerAtomLeftToClear = -25.0;
constexpr double kExchangeHandling = -50.0;
constexpr double kPerSharedHoleElectron = 10.0;

bool IsExplodingOrEmpty(int32_t kind) {
  return kind == 0 || kind > 100;
}

bool IsStandingAtom(int32_t kind) {
  return kind >= 1 && kind <= 5;
}

bool Playable(int col, int row) {
  return col >= 1 && col <= kCols && row >= 1 && row <= kRows;
}

// An unbonded wildcard turns single at its first bond, so it waits for one partner only.
int OpenElectrons(const TBoardCell& cell) {
  return cell.Kind == 5 ? 1 : cell.FreeElectrons;
}

int EmptyNeighbours(int col, int row) {
  static constexpr std::array<std::array<int, 2>, 4> kSteps = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};
  int empty = 0;
  for (const auto& step : kSteps) {
    const int c = col + step[0];
    const int r = row + step[1];
    if (Playable(c, r) && IsExplodingOrEmpty(Game.Board[c][r].Kind)) ++empty;
  }
  return empty;
}

int CountBlasting() {
  int count = 0;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) count += Game.Board[col][row].Kind > 100 ? 1 : 0;
  }
  return count;
}

int UsefulSize() {
  return Game.Level.MinMoleculeSize > 1 ? Game.Level.MinMoleculeSize : 1;
}

// An empty cell beside several atoms with free electrons lets one atom close them all at once;
// counts the electrons such cells save.
int SharedHoleElectrons() {
  int saved = 0;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) {
      if (!IsExplodingOrEmpty(Game.Board[col][row].Kind)) continue;
      const int offering = (OpenElectrons(Game.Board[col][row - 1]) > 0 && row > 1) +
                           (OpenElectrons(Game.Board[col + 1][row]) > 0 && col < kCols) +
                           (OpenElectrons(Game.Board[col][row + 1]) > 0 && row < kRows) +
                           (OpenElectrons(Game.Board[col - 1][row]) > 0 && col > 1);
      if (offering >= 2) saved += offering - 1;
    }
  }
  return saved;
}

// Open structures are worth their atoms up to the size that counts, less what closing them will
// still cost; one that has an electron with no empty cell beside it can never close.
double JudgeBoard() {
  std::array<std::array<bool, kRows + 2>, kCols + 2> seen{};
  std::array<std::array<int, 2>, kCols * kRows> stack{};
  double value = 0.0;
  int standing = 0;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) {
      if (seen[col][row] || !IsStandingAtom(Game.Board[col][row].Kind)) continue;
      int atoms = 0;
      int open = 0;
      bool dead = false;
      int top = 0;
      stack[top++] = {col, row};
      seen[col][row] = true;
      while (top > 0) {
        const auto [c, r] = stack[--top];
        const TBoardCell& cell = Game.Board[c][r];
        ++atoms;
        open += OpenElectrons(cell);
        if (OpenElectrons(cell) > EmptyNeighbours(c, r)) dead = true;
        const std::array<std::array<int, 3>, 4> bonds = {{{c, r - 1, cell.BondUp},
                                                          {c + 1, r, cell.BondRight},
                                                          {c, r + 1, cell.BondDown},
                                                          {c - 1, r, cell.BondLeft}}};
        for (const auto& [nc, nr, bonded] : bonds) {
          if (bonded == 0 || !Playable(nc, nr) || seen[nc][nr]) continue;
          if (!IsStandingAtom(Game.Board[nc][nr].Kind)) continue;
          seen[nc][nr] = true;
          stack[top++] = {nc, nr};
        }
      }
      standing += atoms;
      if (dead) {
        value += kDeadStructure + kPerDeadAtom * atoms;
      } else {
        value += kPerUsefulAtom * std::min(atoms, UsefulSize()) + kPerFreeElectron * open +
                 kPerOpenStructure;
      }
    }
  }
  value += kPerSharedHoleElectron * SharedHoleElectrons();
  // "destrukce" is won by an empty board, so every atom standing is work left.
  if (Game.GameMode == 3) value += kPerAtomLeftToClear * standing;
  return value;
}

double JudgeClosure(int closedAtoms, bool counted) {
  if (closedAtoms == 0) return 0.0;
  if (!counted) return kPerWastedAtom * closedAtoms;
  return kCountedMolecule + kPerAtomBeyondMinimum * std::max(0, closedAtoms - UsefulSize());
}

double JudgeSteps(int col, int row) {
  return kPerCursorStep * (std::abs(col - Game.CursorCol) + std::abs(row - Game.CursorRow));
}

// What a trial changes, put back after it.
struct TTrialSnapshot {
  TBoard Board;
  int32_t Score;
  int32_t Molecules;
  uint8_t HandKind;
  uint8_t CursorCol;
  uint8_t CursorRow;

  TTrialSnapshot()
      : Board(Game.Board),
        Score(Game.Score),
        Molecules(Game.MoleculesMade),
        HandKind(Game.Queue[1].Kind),
        CursorCol(Game.CursorCol),
        CursorRow(Game.CursorRow) {}
  ~TTrialSnapshot() {
    Game.Board = Board;
    Game.Score = Score;
    Game.MoleculesMade = Molecules;
    Game.Queue[1].Kind = HandKind;
    Game.CursorCol = CursorCol;
    Game.CursorRow = CursorRow;
  }
};

double TryPlacing(int col, int row) {
  const TTrialSnapshot snapshot;
  const int blastingBefore = CountBlasting();
  int32_t counted = 0;
  PlaceAtom(static_cast<uint8_t>(col), static_cast<uint8_t>(row), Game.Queue[1].Kind);
  CheckStructure(static_cast<uint8_t>(col), static_cast<uint8_t>(row), counted);
  return JudgeBoard() + JudgeClosure(CountBlasting() - blastingBefore, counted > 0);
}

// Exchanges pay only when they close a molecule that counts; the atom taken back still has to go
// somewhere, which the handling cost stands for. Returns false for exchanges that do not pay.
bool TryExchanging(int col, int row, double& value) {
  const TTrialSnapshot snapshot;
  const int blastingBefore = CountBlasting();
  Game.CursorCol = static_cast<uint8_t>(col);
  Game.CursorRow = static_cast<uint8_t>(row);
  ExchangeAtomInHand();
  if (Game.MoleculesMade == snapshot.Molecules) return false;
  value = JudgeBoard() + JudgeClosure(CountBlasting() - blastingBefore, true) + kExchangeHandling;
  return true;
}
}  // namespace

TMove ChooseMove() {
  TMove best;
  double bestValue = -1e18;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) {
      const int32_t kind = Game.Board[col][row].Kind;
      double value = 0.0;
      bool exchange = false;
      if (kind == 0) {
        value = TryPlacing(col, row);
      } else if (IsStandingAtom(kind) && kind != Game.Queue[1].Kind) {
        if (!TryExchanging(col, row, value)) continue;
        exchange = true;
      } else {
        continue;
      }
      value += JudgeSteps(col, row);
      if (value > bestValue) {
        bestValue = value;
        best = {static_cast<uint8_t>(col), static_cast<uint8_t>(row), exchange};
      }
    }
  }
  // The trials played their explosion sounds into the event log; nobody hears them.
  TakeMediaEvents();
  return best;
}
