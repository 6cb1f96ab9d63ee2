// Bonding order, wildcards, exploding neighbours, bond release and the exchange sequence.
#include "board_fixture.h"

using BondingTest = BoardFixture;

TEST_F(BondingTest, FewestFreeElectronsBondFirstWithTiesUpRightDownLeft) {
  Place(5, 4, 3);
  Place(6, 5, 1);
  Place(5, 5, 2);
  EXPECT_EQ(CellAt(5, 5), "kind 2 free 0 bonds UR");
  EXPECT_EQ(CellAt(5, 4), "kind 3 free 2 bonds D");
  EXPECT_EQ(CellAt(6, 5), "kind 1 free 0 bonds L");

  // With a single electron only the 1-free right neighbour wins over the 3-free one above.
  Place(9, 4, 3);
  Place(10, 5, 1);
  Place(9, 5, 1);
  EXPECT_EQ(CellAt(9, 5), "kind 1 free 0 bonds R");
  EXPECT_EQ(CellAt(9, 4), "kind 3 free 3 bonds -");

  // Equal counts above and below: up comes first.
  Place(2, 7, 2);
  Place(2, 9, 2);
  Place(2, 8, 1);
  EXPECT_EQ(CellAt(2, 8), "kind 1 free 0 bonds U");
  EXPECT_EQ(CellAt(2, 9), "kind 2 free 2 bonds -");
}

TEST_F(BondingTest, WildcardTakesTheNumberOfOfferingNeighbours) {
  Place(3, 5, 1);
  Place(4, 5, 1);  // saturated left neighbour of the wildcard
  Place(5, 4, 2);
  Place(6, 5, 1);
  Place(5, 6, 3);
  Place(5, 5, 5);
  EXPECT_EQ(CellAt(5, 5), "kind 3 free 0 bonds URD");
  EXPECT_EQ(CellAt(4, 5), "kind 1 free 0 bonds L");
  EXPECT_EQ(CellAt(5, 6), "kind 3 free 2 bonds U");
}

TEST_F(BondingTest, LoneWildcardStaysOpenUntilSomethingBondsToIt) {
  Place(5, 5, 5);
  EXPECT_EQ(CellAt(5, 5), "kind 5 free 5 bonds -");
  Place(6, 5, 1);
  EXPECT_EQ(CellAt(5, 5), "kind 1 free 0 bonds R");
  EXPECT_EQ(CellAt(6, 5), "kind 1 free 0 bonds L");
}

TEST_F(BondingTest, UnbondedWildcardIsBondedLast) {
  Place(5, 5, 5);
  Place(6, 4, 2);
  Place(6, 5, 5);  // counts the open wildcard and the 2-free atom above
  EXPECT_EQ(CellAt(6, 5), "kind 2 free 0 bonds UL");
  EXPECT_EQ(CellAt(5, 5), "kind 1 free 0 bonds R");

  // A single electron goes to the 4-free atom rather than to the open wildcard.
  Place(9, 5, 5);
  Place(10, 4, 4);
  Place(10, 5, 1);
  EXPECT_EQ(CellAt(10, 5), "kind 1 free 0 bonds U");
  EXPECT_EQ(CellAt(9, 5), "kind 5 free 5 bonds -");
}

TEST_F(BondingTest, ExplodingNeighbourIsNeverBonded) {
  Place(6, 5, 1);
  Place(7, 5, 1);
  Check(7, 5);
  Place(5, 5, 1);
  EXPECT_EQ(CellAt(5, 5), "kind 1 free 1 bonds -");
  EXPECT_EQ(CellAt(6, 5), "kind 101 free 0 bonds -");
  RebondAtom(6, 5);
  EXPECT_EQ(CellAt(6, 5), "kind 101 free 0 bonds -");
}

TEST_F(BondingTest, ReleaseGivesElectronsBackAndRebondDoesNotDoubleBonds) {
  Place(5, 4, 2);
  Place(4, 5, 2);
  Place(5, 5, 3);
  ASSERT_EQ(CellAt(5, 5), "kind 3 free 1 bonds UL");
  RebondAtom(5, 5);
  EXPECT_EQ(CellAt(5, 5), "kind 3 free 1 bonds UL");

  ReleaseBonds(5, 5);
  EXPECT_EQ(CellAt(5, 5), "kind 3 free 1 bonds -");  // own count is left to the caller
  EXPECT_EQ(CellAt(5, 4), "kind 2 free 2 bonds -");
  EXPECT_EQ(CellAt(4, 5), "kind 2 free 2 bonds -");
}

TEST_F(BondingTest, ExchangeRebondsFreedPartnersButChecksOnlyThePlacedAtom) {
  // Q(4,5) P(5,5) E(6,5) R(7,5): P bonded to E, Q and R left with one free electron each.
  Place(6, 5, 1);
  Place(5, 5, 1);
  Place(4, 5, 1);
  Place(7, 5, 1);
  Exchange(6, 5, 1);  // the new E bonds R (right before left); P then rebonds with Q
  EXPECT_EQ(CellAt(6, 5), "kind 1 free 0 bonds R");
  EXPECT_EQ(CellAt(5, 5), "kind 1 free 0 bonds L");
  EXPECT_EQ(CellAt(4, 5), "kind 1 free 0 bonds R");

  Check(6, 5);
  EXPECT_EQ(Game.Score, 200);
  EXPECT_EQ(CellAt(7, 5), "kind 101 free 0 bonds -");
  EXPECT_EQ(CellAt(5, 5), "kind 1 free 0 bonds L") << "the closed pair Q-P stays on the board";
}
