// A fresh game record and a sound list with "bum" for the board rules tests, plus cell shorthands.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "media/media_events.h"
#include "media/wave_list.h"
#include "play/game_state.h"
#include "rules/board.h"
#include "shell/sound_effects.h"

// "kind K free F bonds URDL" (only the bonds that are set; "-" for none), so a failed comparison
// shows the whole cell on both sides.
inline std::string Describe(const TBoardCell& cell) {
  std::string bonds;
  if (cell.BondUp) bonds += 'U';
  if (cell.BondRight) bonds += 'R';
  if (cell.BondDown) bonds += 'D';
  if (cell.BondLeft) bonds += 'L';
  return "kind " + std::to_string(cell.Kind) + " free " + std::to_string(cell.FreeElectrons) +
         " bonds " + (bonds.empty() ? "-" : bonds);
}

inline std::string CellAt(int col, int row) {
  return Describe(Game.Board[col][row]);
}
inline void Place(int col, int row, int kind) {
  PlaceAtom(static_cast<uint8_t>(col), static_cast<uint8_t>(row), kind);
}
inline void Check(int col, int row) {
  CheckStructure(static_cast<uint8_t>(col), static_cast<uint8_t>(row), Game.MoleculesMade);
}
// The play update's exchange of the atom at (col, row) for one of the given kind.
inline void Exchange(int col, int row, int kind) {
  const auto c = static_cast<uint8_t>(col);
  const auto r = static_cast<uint8_t>(row);
  ReleaseBonds(c, r);
  PlaceAtom(c, r, kind);
  RebondAtom(c, r - 1);
  RebondAtom(c + 1, r);
  RebondAtom(c, r + 1);
  RebondAtom(c - 1, r);
}

class BoardFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    Game = TGameState{};
    Game.Level.MinMoleculeSize = 2;
    waves_.Add().SetName("bum");
    SoundEffects = &waves_;
    TakeMediaEvents();
  }
  void TearDown() override { SoundEffects = nullptr; }

  static int BumsPlayed() {
    const auto events = TakeMediaEvents();
    return static_cast<int>(std::count(events.begin(), events.end(), "play bum"));
  }

 private:
  TWaveCollection waves_;
};
