#include "placement_choice.h"

#include <array>
#include <cstdlib>

#include "board_reading.h"
#include "clearing_judgement.h"
#include "media/media_events.h"
#include "play/game_state.h"
#include "play/player_input.h"
#include "rules/board.h"

namespace {
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
constexpr double kExchangeHandling = -50.0;
constexpr double kPerSharedHoleElectron = 10.0;
constexpr double kClearingExchange = -60.0;

int UsefulSize() {
  return Game.Level.MinMoleculeSize > 1 ? Game.Level.MinMoleculeSize : 1;
}

// Open structures are worth their atoms up to the size that counts, less what closing them will
// still cost; one that has an electron with no empty cell beside it can never close.
double JudgeBoard() {
  double value = 0.0;
  for (const TStructure& structure : ReadStructures()) {
    if (structure.StuckAtoms > 0) {
      value += kDeadStructure + kPerDeadAtom * structure.Atoms;
    } else {
      value += kPerUsefulAtom * std::min(structure.Atoms, UsefulSize()) +
               kPerFreeElectron * structure.OpenElectrons + kPerOpenStructure;
    }
  }
  return value + kPerSharedHoleElectron * SharedHoleElectrons();
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
  if (Game.GameMode == 3) return JudgeClearing();
  return JudgeBoard() + JudgeClosure(CountBlasting() - blastingBefore, counted > 0);
}

// The atom an exchange hands back is the next one to place.
double BestPlaceForHand() {
  double best = -1e18;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) {
      if (Game.Board[col][row].Kind == 0) best = std::max(best, TryPlacing(col, row));
    }
  }
  return best;
}

// Exchanges pay only when they close a molecule that counts; the atom taken back still has to go
// somewhere, which the handling cost stands for. Returns false for exchanges that do not pay.
bool TryExchanging(int col, int row, double& value) {
  const TTrialSnapshot snapshot;
  const int blastingBefore = CountBlasting();
  Game.CursorCol = static_cast<uint8_t>(col);
  Game.CursorRow = static_cast<uint8_t>(row);
  ExchangeAtomInHand();
  // Clearing: any exchange may pay, e.g. one that takes away an atom that can never close.
  if (Game.GameMode == 3) {
    value = ReadStructures().empty() ? JudgeClearing() : BestPlaceForHand() + kClearingExchange;
    return true;
  }
  if (Game.MoleculesMade == snapshot.Molecules) return false;
  value = JudgeBoard() + JudgeClosure(CountBlasting() - blastingBefore, true) + kExchangeHandling;
  return true;
}
}  // namespace

TMove ChooseMove(bool weighExchanges) {
  TMove best;
  double bestValue = -1e18;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) {
      const int32_t kind = Game.Board[col][row].Kind;
      double value = 0.0;
      bool exchange = false;
      if (kind == 0) {
        value = TryPlacing(col, row);
      } else if (weighExchanges && IsStandingAtom(kind) && kind != Game.Queue[1].Kind) {
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
