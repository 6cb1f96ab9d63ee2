// The board as the play and game-over screens draw it: side column, bonds, atoms with their
// orbiting electrons and digits, blast discs, frame pictures and score.
#pragma once
#include <cstdint>

struct TPixelPoint {
  int32_t X = 0;
  int32_t Y = 0;
};

// Top-left of electron k (1..n) of n orbiting the atom in cell (col, row) turned by angleDeg:
// angle 0 straight up, clockwise, radius 18, rounded halves to even.
TPixelPoint ElectronSpot(int32_t col, int32_t row, int32_t k, int32_t n, double angleDeg);

// Side column (at most 10 entries), bonds, atoms with electrons and digits, blast discs.
void DrawBoardLayers();

// The five frame pictures around the board, then the score.
void DrawFrameAndScore();
