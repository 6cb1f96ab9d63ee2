#include "board_reading.h"

#include <array>

#include "play/game_state.h"

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

std::vector<TStructure> ReadStructures() {
  std::array<std::array<bool, kRows + 2>, kCols + 2> seen{};
  std::array<std::array<int, 2>, kCols * kRows> stack{};
  std::vector<TStructure> structures;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) {
      if (seen[col][row] || !IsStandingAtom(Game.Board[col][row].Kind)) continue;
      TStructure structure;
      int top = 0;
      stack[top++] = {col, row};
      seen[col][row] = true;
      while (top > 0) {
        const auto [c, r] = stack[--top];
        const TBoardCell& cell = Game.Board[c][r];
        ++structure.Atoms;
        structure.OpenElectrons += OpenElectrons(cell);
        if (OpenElectrons(cell) > EmptyNeighbours(c, r)) ++structure.StuckAtoms;
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
      structures.push_back(structure);
    }
  }
  return structures;
}

int CountBlasting() {
  int count = 0;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) count += Game.Board[col][row].Kind > 100 ? 1 : 0;
  }
  return count;
}

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
