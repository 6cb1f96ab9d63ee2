// What the automatic player reads off the board as the screen shows it: structures with their
// free electrons, and the empty cells that could close several of them at once.
#pragma once
#include <cstdint>
#include <vector>

#include "rules/board.h"

constexpr int kCols = 12;
constexpr int kRows = 10;

inline bool IsExplodingOrEmpty(int32_t kind) {
  return kind == 0 || kind > 100;
}

inline bool IsStandingAtom(int32_t kind) {
  return kind >= 1 && kind <= 5;
}

inline bool Playable(int col, int row) {
  return col >= 1 && col <= kCols && row >= 1 && row <= kRows;
}

// An unbonded wildcard turns single at its first bond, so it waits for one partner only.
inline int OpenElectrons(const TBoardCell& cell) {
  return cell.Kind == 5 ? 1 : cell.FreeElectrons;
}

int EmptyNeighbours(int col, int row);

struct TStructure {
  int Atoms = 0;
  int OpenElectrons = 0;
  // Atoms with more free electrons than empty cells beside them: the structure can never close
  // unless they are exchanged away.
  int StuckAtoms = 0;
};

// Bonded groups of standing atoms, found column by column.
std::vector<TStructure> ReadStructures();

int CountBlasting();

// Electrons saved by empty cells beside several atoms with free electrons: one atom put there
// closes them all at once.
int SharedHoleElectrons();
