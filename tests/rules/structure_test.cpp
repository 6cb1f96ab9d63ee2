// Closing structures: scoring by size, the molecule counter, the "bum" and what is left alone.
#include "board_fixture.h"

using StructureTest = BoardFixture;

TEST_F(StructureTest, PairIsScoredCountedAndBlownUp) {
  Place(5, 5, 1);
  Check(5, 5);
  Place(6, 5, 1);
  Check(6, 5);
  EXPECT_EQ(Game.Score, 200);
  EXPECT_EQ(Game.MoleculesMade, 1);
  EXPECT_EQ(BumsPlayed(), 1);
  EXPECT_EQ(CellAt(5, 5), "kind 101 free 0 bonds -");
  EXPECT_EQ(CellAt(6, 5), "kind 101 free 0 bonds -");

  Check(6, 5);  // an exploding start cell
  EXPECT_EQ(Game.Score, 200);
  EXPECT_EQ(BumsPlayed(), 0);
}

TEST_F(StructureTest, MoleculeAtTheTopScoreStaysThere) {
  Game.Score = INT32_MAX - 100;  // where F1 leaves it
  Place(5, 5, 1);
  Place(6, 5, 1);
  Check(6, 5);
  EXPECT_EQ(Game.Score, INT32_MAX);
}

TEST_F(StructureTest, ChainAndRingScoreFiftyTimesSizeSquared) {
  Place(2, 2, 1);
  Place(4, 2, 1);
  Place(3, 2, 2);
  Check(3, 2);
  EXPECT_EQ(Game.Score, 450);

  const int ring[4][2] = {{5, 5}, {6, 5}, {5, 6}, {6, 6}};
  for (const auto& cell : ring) {
    EXPECT_EQ(Game.Score, 450) << "ring scored before it was closed";
    Place(cell[0], cell[1], 2);
    Check(cell[0], cell[1]);
  }
  EXPECT_EQ(Game.Score, 450 + 800);
  EXPECT_EQ(CellAt(6, 6), "kind 102 free 0 bonds -");
  EXPECT_EQ(Game.MoleculesMade, 2);
}

TEST_F(StructureTest, OnlyStructuresOfTheMinimumSizeCount) {
  const struct {
    int32_t minSize;
    int32_t counted;
  } cases[] = {{0, 1}, {3, 1}, {4, 0}};
  for (const auto& c : cases) {
    Game = TGameState{};
    Game.Level.MinMoleculeSize = c.minSize;
    Place(2, 2, 1);
    Place(4, 2, 1);
    Place(3, 2, 2);
    Check(3, 2);
    EXPECT_EQ(Game.Score, 450) << "minimum size " << c.minSize;
    EXPECT_EQ(Game.MoleculesMade, c.counted) << "minimum size " << c.minSize;
  }
}

TEST_F(StructureTest, OpenStructuresAndWildcardsAreLeftAlone) {
  Place(5, 5, 2);
  Place(6, 5, 1);  // saturated, but its partner keeps one free electron
  Check(6, 5);
  Place(8, 8, 5);
  Check(8, 8);
  EXPECT_EQ(Game.Score, 0);
  EXPECT_EQ(Game.MoleculesMade, 0);
  EXPECT_EQ(BumsPlayed(), 0);
  EXPECT_EQ(CellAt(6, 5), "kind 1 free 0 bonds L");
  EXPECT_EQ(CellAt(8, 8), "kind 5 free 5 bonds -");

  Place(9, 8, 1);  // the wildcard settles as kind 1 and the pair closes
  Check(9, 8);
  EXPECT_EQ(Game.Score, 200);
}
