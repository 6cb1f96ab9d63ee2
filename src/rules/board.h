// The board: 12x10 playable cells inside an always-empty border ring, and the bonding rules.
#pragma once
#include <array>
#include <cstdint>

struct TBoardCell {
  int32_t Kind = 0;  // 0 empty, 1..4 atom, 5 unbonded wildcard, 101..105 exploding
  uint8_t FreeElectrons = 0;
  double ElectronAngle = 0.0;  // degrees, 0 straight up, clockwise
  uint8_t BondUp = 0;
  uint8_t BondDown = 0;
  uint8_t BondLeft = 0;
  uint8_t BondRight = 0;
  double BlastRadius = 0.0;  // pixels, 0..18
};

constexpr int kBoardColumns = 14;
constexpr int kBoardRows = 12;

// Indexed [column][row]; columns 1..12 and rows 1..10 are played.
using TBoard = std::array<std::array<TBoardCell, kBoardRows>, kBoardColumns>;

// All operations work on Game.Board.
void PlaceAtom(uint8_t col, uint8_t row, int32_t kind);
void RebondAtom(uint8_t col, uint8_t row);
void ReleaseBonds(uint8_t col, uint8_t row);
void AnimateBoard(int32_t lagMs);
void DetonateAll();
void ClearBoard();
// Scores and blows away the complete structure holding (col, row), if it is complete.
void CheckStructure(uint8_t col, uint8_t row, int32_t& molecules);
