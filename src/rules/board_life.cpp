// Whole-board operations: clearing, blowing up every atom, and the per-frame cell animation.
#include <cmath>

#include "rules/blast.h"
#include "rules/board.h"
#include "rules/board_directions.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kFirstCol = 1;
constexpr int kLastCol = 12;
constexpr int kFirstRow = 1;
constexpr int kLastRow = 10;
constexpr double kFullTurn = 360.0;
constexpr double kMsPerDegree = 8.0;
constexpr double kMsPerBlastPixel = 20.0;
constexpr double kBlastEndRadius = 18.0;

// Same result as subtracting full turns while above 360 (so 720 becomes 360, not 0), but a long
// stall cannot make it spin.
double WrapAngle(double angle) {
  if (!(angle > kFullTurn)) return angle;
  const double rest = std::fmod(angle, kFullTurn);
  return rest == 0.0 ? kFullTurn : rest;
}

template <typename Visit>
void ForEachPlayableCell(Visit visit) {
  for (int col = kFirstCol; col <= kLastCol; ++col) {
    for (int row = kFirstRow; row <= kLastRow; ++row) visit(Game.Board[col][row]);
  }
}

}  // namespace

void StartBlast(TBoardCell& cell) {
  cell.Kind += 100;
  cell.BlastRadius = 0.0;
  cell.FreeElectrons = 0;
  cell.BondUp = 0;
  cell.BondDown = 0;
  cell.BondLeft = 0;
  cell.BondRight = 0;
}

void AnimateBoard(int32_t lagMs) {
  const double lag = lagMs;
  ForEachPlayableCell([lag](TBoardCell& cell) {
    cell.ElectronAngle = WrapAngle(cell.ElectronAngle + lag / kMsPerDegree);
    if (IsExploding(cell.Kind)) cell.BlastRadius += lag / kMsPerBlastPixel;
    if (cell.BlastRadius > kBlastEndRadius) {
      cell.Kind = 0;
      cell.BlastRadius = 0.0;
    }
  });
}

void DetonateAll() {
  ForEachPlayableCell([](TBoardCell& cell) {
    if (cell.Kind < 1 || cell.Kind > 99) return;
    PlaySound("bum");
    StartBlast(cell);
  });
}

void ClearBoard() {
  ForEachPlayableCell([](TBoardCell& cell) {
    cell.Kind = 0;
    cell.BlastRadius = 0.0;
    cell.FreeElectrons = 0;
    cell.BondUp = 0;
    cell.BondDown = 0;
    cell.BondLeft = 0;
    cell.BondRight = 0;
    cell.ElectronAngle = 0.0;
  });
}
