// Blowing up the whole board, the blast and electron animation, and clearing.
#include "board_fixture.h"

using BoardLifeTest = BoardFixture;

TEST_F(BoardLifeTest, DetonateAllBlowsUpEveryAtomOnceAndTheCellsEmptyAfterTheBlast) {
  Place(1, 1, 1);
  Place(2, 1, 1);
  Check(2, 1);  // already exploding: no second "bum"
  const int atoms[6][2] = {{4, 1}, {6, 1}, {12, 10}, {1, 10}, {5, 5}, {7, 7}};
  for (const auto& cell : atoms) Place(cell[0], cell[1], 2);
  Place(5, 6, 1);  // bonded to (5, 5): both lose their bonds
  AnimateBoard(100);
  TakeMediaEvents();

  DetonateAll();
  EXPECT_EQ(BumsPlayed(), 7);
  EXPECT_EQ(CellAt(5, 5), "kind 102 free 0 bonds -");
  EXPECT_EQ(CellAt(5, 6), "kind 101 free 0 bonds -");
  EXPECT_EQ(Game.Board[5][5].BlastRadius, 0.0);
  EXPECT_EQ(Game.Board[1][1].BlastRadius, 5.0) << "an earlier blast goes on";

  AnimateBoard(360);  // exactly 18 pixels: still exploding
  EXPECT_EQ(CellAt(12, 10), "kind 102 free 0 bonds -");
  EXPECT_EQ(CellAt(1, 1), "kind 0 free 0 bonds -");
  AnimateBoard(1);
  for (int col = 1; col <= 12; ++col) {
    for (int row = 1; row <= 10; ++row) {
      EXPECT_EQ(CellAt(col, row), "kind 0 free 0 bonds -") << "cell " << col << "," << row;
      EXPECT_EQ(Game.Board[col][row].BlastRadius, 0.0) << "cell " << col << "," << row;
    }
  }
}

TEST_F(BoardLifeTest, ElectronAngleWrapsIntoOneTurn) {
  const struct {
    double from;
    int32_t lagMs;
    double to;
  } cases[] = {{350.0, 2000, 240.0},
               {0.0, 2880, 360.0},
               {0.0, 5760, 360.0},
               {359.0, 9, 0.125},
               {10.0, 3000 * 2880 + 8, 11.0}};
  for (const auto& c : cases) {
    Game.Board[3][4].ElectronAngle = c.from;
    AnimateBoard(c.lagMs);
    EXPECT_EQ(Game.Board[3][4].ElectronAngle, c.to) << c.from << " + " << c.lagMs << " ms";
  }
}

TEST_F(BoardLifeTest, ClearBoardEmptiesEveryPlayableCell) {
  Place(5, 5, 3);
  Place(5, 6, 2);
  AnimateBoard(80);
  ClearBoard();
  EXPECT_EQ(CellAt(5, 5), "kind 0 free 0 bonds -");
  EXPECT_EQ(CellAt(5, 6), "kind 0 free 0 bonds -");
  EXPECT_EQ(Game.Board[5][5].ElectronAngle, 0.0);
}
