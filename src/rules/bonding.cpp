// Bonding a placed atom with its neighbours, wildcards taking their valence, and releasing bonds.
#include <array>

#include "rules/board.h"
#include "rules/board_directions.h"

namespace {

constexpr uint8_t kUnbondedWildcard = 5;

// Free electrons of the four neighbours, indexed by direction.
using TNeighbourCounts = std::array<uint8_t, 4>;

// Read once before bonding starts: a neighbour's order is fixed by what it offered at that moment.
TNeighbourCounts ReadNeighbourCounts(TCellPos pos) {
  TNeighbourCounts counts{};
  for (TDirection dir : kBondingOrder) {
    counts[DirectionIndex(dir)] = BoardCell(Neighbour(pos, dir)).FreeElectrons;
  }
  return counts;
}

// Fewest free electrons first, ties in bonding order, unbonded wildcards (count 5) last.
void BondWithNeighbours(TCellPos pos, const TNeighbourCounts& counts) {
  TBoardCell& atom = BoardCell(pos);
  for (uint8_t k = 1; k <= kUnbondedWildcard; ++k) {
    for (TDirection dir : kBondingOrder) {
      if (counts[DirectionIndex(dir)] != k || atom.FreeElectrons == 0) continue;
      uint8_t& flag = BondFlag(atom, dir);
      if (flag != 0) continue;
      TBoardCell& partner = BoardCell(Neighbour(pos, dir));
      flag = 1;
      BondFlag(partner, Opposite(dir)) = 1;
      --atom.FreeElectrons;
      --partner.FreeElectrons;
      if (k == kUnbondedWildcard) {
        // A wildcard's first bond settles it as a single-bond atom.
        partner.Kind = 1;
        partner.FreeElectrons = 0;
      }
    }
  }
}

}  // namespace

void PlaceAtom(uint8_t col, uint8_t row, int32_t kind) {
  const TCellPos pos{col, row};
  const TNeighbourCounts counts = ReadNeighbourCounts(pos);
  TBoardCell& atom = BoardCell(pos);
  if (kind == kUnbondedWildcard) {
    int32_t offering = 0;
    for (uint8_t count : counts) {
      if (count > 0) ++offering;
    }
    atom.Kind = offering > 0 ? offering : kUnbondedWildcard;
  } else {
    atom.Kind = kind;
  }
  atom.FreeElectrons = static_cast<uint8_t>(atom.Kind);
  BondWithNeighbours(pos, counts);
}

void RebondAtom(uint8_t col, uint8_t row) {
  const TCellPos pos{col, row};
  if (!IsAtom(BoardCell(pos).Kind)) return;
  BondWithNeighbours(pos, ReadNeighbourCounts(pos));
}

void ReleaseBonds(uint8_t col, uint8_t row) {
  const TCellPos pos{col, row};
  TBoardCell& cell = BoardCell(pos);
  for (TDirection dir : kVerticalFirstOrder) {
    uint8_t& flag = BondFlag(cell, dir);
    if (flag == 0) continue;
    TBoardCell& partner = BoardCell(Neighbour(pos, dir));
    ++partner.FreeElectrons;
    flag = 0;
    BondFlag(partner, Opposite(dir)) = 0;
  }
}
