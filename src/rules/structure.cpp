// Finding a complete structure (no free electron left) around a placed atom; scoring, removal.
#include <array>

#include "play/play_math.h"
#include "rules/blast.h"
#include "rules/board.h"
#include "rules/board_directions.h"
#include "shell/sound_effects.h"

namespace {

// One entry per playable cell: a structure can never hold more.
constexpr int kWorkListCapacity = 120;
constexpr int32_t kPointsPerSquaredAtom = 50;

struct TWorkList {
  std::array<TCellPos, kWorkListCapacity> Cells;
  int Count = 0;

  bool Contains(TCellPos pos) const {
    for (int i = 0; i < Count; ++i) {
      if (Cells[i] == pos) return true;
    }
    return false;
  }
};

// Breadth first over bonds; stops after the first entry that reaches an atom with a free electron.
// The list is filled in the order the atoms are found.
bool CollectCompleteStructure(TCellPos start, TWorkList& list) {
  list.Cells[0] = start;
  list.Count = 1;
  bool complete = true;
  for (int read = 0; read < list.Count && complete; ++read) {
    const TCellPos pos = list.Cells[read];
    TBoardCell& cell = BoardCell(pos);
    for (TDirection dir : kVerticalFirstOrder) {
      if (BondFlag(cell, dir) == 0) continue;
      const TCellPos partner = Neighbour(pos, dir);
      if (list.Contains(partner)) continue;
      if (BoardCell(partner).FreeElectrons != 0) {
        complete = false;
      } else if (list.Count < kWorkListCapacity) {
        list.Cells[list.Count++] = partner;
      } else {
        // Only a board that broke bond symmetry could get here; never write past the list.
        complete = false;
      }
    }
  }
  return complete;
}

}  // namespace

void CheckStructure(uint8_t col, uint8_t row, int32_t& molecules) {
  const TCellPos start{col, row};
  const TBoardCell& startCell = BoardCell(start);
  if (startCell.FreeElectrons != 0) return;
  if (startCell.Kind < 1 || startCell.Kind > 4) return;

  TWorkList list;
  if (!CollectCompleteStructure(start, list)) return;

  PlaySound("bum");
  const int32_t atoms = list.Count;
  if (atoms >= Game.Level.MinMoleculeSize) ++molecules;
  Game.Score = SaturatingAdd(Game.Score, int64_t{kPointsPerSquaredAtom} * atoms * atoms);
  for (int i = 0; i < list.Count; ++i) StartBlast(BoardCell(list.Cells[i]));
}
