// The four neighbour directions of a board cell, their bond flags and the cell access by position.
#pragma once
#include <array>
#include <cstdint>

#include "play/game_state.h"
#include "rules/board.h"

enum class TDirection : uint8_t { Up, Right, Down, Left };

struct TCellPos {
  uint8_t Col = 0;
  uint8_t Row = 0;
  friend bool operator==(TCellPos, TCellPos) = default;
};

// A new atom looks for partners in this order within each free-electron count.
constexpr std::array<TDirection, 4> kBondingOrder = {TDirection::Up, TDirection::Right,
                                                     TDirection::Down, TDirection::Left};
// Bonds are released, and structures searched, in this order.
constexpr std::array<TDirection, 4> kVerticalFirstOrder = {TDirection::Up, TDirection::Down,
                                                           TDirection::Left, TDirection::Right};

constexpr int DirectionIndex(TDirection dir) {
  return static_cast<int>(dir);
}

constexpr TDirection Opposite(TDirection dir) {
  switch (dir) {
    case TDirection::Up:
      return TDirection::Down;
    case TDirection::Right:
      return TDirection::Left;
    case TDirection::Down:
      return TDirection::Up;
    case TDirection::Left:
      break;
  }
  return TDirection::Right;
}

// Playable cells only: the border ring keeps every result inside the board.
constexpr TCellPos Neighbour(TCellPos pos, TDirection dir) {
  switch (dir) {
    case TDirection::Up:
      return {pos.Col, static_cast<uint8_t>(pos.Row - 1)};
    case TDirection::Right:
      return {static_cast<uint8_t>(pos.Col + 1), pos.Row};
    case TDirection::Down:
      return {pos.Col, static_cast<uint8_t>(pos.Row + 1)};
    case TDirection::Left:
      break;
  }
  return {static_cast<uint8_t>(pos.Col - 1), pos.Row};
}

inline uint8_t& BondFlag(TBoardCell& cell, TDirection dir) {
  switch (dir) {
    case TDirection::Up:
      return cell.BondUp;
    case TDirection::Right:
      return cell.BondRight;
    case TDirection::Down:
      return cell.BondDown;
    case TDirection::Left:
      break;
  }
  return cell.BondLeft;
}

inline TBoardCell& BoardCell(TCellPos pos) {
  return Game.Board[pos.Col][pos.Row];
}

constexpr bool IsExploding(int32_t kind) {
  return kind > 100;
}
constexpr bool IsAtom(int32_t kind) {
  return kind >= 1 && kind <= 5;
}
