// The automatic player against the real game and data set.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include <unistd.h>

#include "autoplay_game.h"
#include "hand_model.h"
#include "level_measure.h"
#include "media/input.h"
#include "placement_choice.h"
#include "play/game_state.h"
#include "play/start_game.h"
#include "rules/board.h"

namespace {
namespace fs = std::filesystem;

class AutoplayTest : public testing::Test {
 protected:
  void SetUp() override {
    const fs::path data = BRUNIVAL_DATA_DIR;
    if (!fs::exists(data / "grafika.dat")) GTEST_SKIP() << "no asset pack in " << data;
    ASSERT_EQ(chdir(data.c_str()), 0);
    table_ = std::make_unique<TAutoplayTable>();
  }
  std::unique_ptr<TAutoplayTable> table_;
};

struct TPress {
  int32_t Key;
  int32_t Down;  // ms
  int32_t Up;
};

// The presses a hand makes while the atom stays in hand (no frame runs), up to `until` ms.
std::vector<TPress> PressesOf(THandModel& hand, int32_t until) {
  std::vector<TPress> presses;
  int32_t held = 0;
  for (int32_t now = 0; now < until; now += 10) {
    const auto keys = hand.KeysFor(now);
    int32_t key = 0;
    for (int32_t k = 0; k < 256; ++k) key = keys[k] ? k : key;
    if (key != 0 && held == 0) presses.push_back({key, now, 0});
    if (key == 0 && held != 0) presses.back().Up = now;
    held = key;
  }
  return presses;
}

TEST_F(AutoplayTest, HandsThinkThenPressOneKeyPerCellAndSpaceWithTheirSlips) {
  StartGame(1);
  Game.Phase = phPlay;
  PlaceAtom(4, 3, 1);
  Game.QueueCount = 1;
  Game.Queue[1].Kind = 1;
  Game.Queue[1].Y = Game.Queue[0].Y - 33;  // resting in hand
  const TMove move = ChooseMove();
  // A single atom closes the lone one beside it, four steps from the corner either way.
  EXPECT_EQ(std::abs(move.Col - 1) + std::abs(move.Row - 1), 4);
  EXPECT_EQ(Game.Board[move.Col][move.Row].Kind, 0);

  // No random tail: 300 ms and 100 ms for the one atom standing.
  TPlayerProfile steady{"steady", 300, 100, 0.0, 100, 50, 1.0, 0.0, 0.0};
  THandModel hand(steady, 1);
  std::vector<TPress> presses = PressesOf(hand, 1400);
  ASSERT_EQ(presses.size(), 5u);
  EXPECT_EQ(presses.front().Down, 400);
  for (size_t i = 0; i < presses.size(); ++i) {
    EXPECT_NEAR(presses[i].Up - presses[i].Down, 100, 25);
    if (i > 0) {
      EXPECT_NEAR(presses[i].Down - presses[i - 1].Up, 50, 15);
    }
  }
  EXPECT_EQ(presses.back().Key, VK_SPACE);
  EXPECT_EQ(hand.Decisions(), 1);

  // A careless hand: one arrow the wrong way and back, then Space still where it meant. Away
  // from the edges, so that the wrong way is open.
  steady.WrongDirection = 1.0;
  Game.CursorCol = 2;
  Game.CursorRow = 2;
  const size_t steps = std::abs(move.Col - 2) + std::abs(move.Row - 2);
  THandModel careless(steady, 1);
  presses = PressesOf(careless, 600 + 150 * static_cast<int32_t>(steps + 3));
  ASSERT_EQ(presses.size(), steps + 3);
  int col = 2, row = 2;
  for (const TPress& press : presses) {
    col += press.Key == VK_RIGHT ? 1 : press.Key == VK_LEFT ? -1 : 0;
    row += press.Key == VK_DOWN ? 1 : press.Key == VK_UP ? -1 : 0;
  }
  EXPECT_EQ(col, move.Col);
  EXPECT_EQ(row, move.Row);
  EXPECT_EQ(careless.Slips(), 1);
}

TEST(PlayerRandom, ThinkingTimesAreSkewedToTheRightAroundTheirMean) {
  TPlayerRandom random(7);
  double sum = 0.0, lowest = 1e9;
  int aboveMean = 0;
  constexpr int kDraws = 20000;
  for (int i = 0; i < kDraws; ++i) {
    const double factor = random.SkewedFactor(0.4);
    sum += factor;
    lowest = std::min(lowest, factor);
    aboveMean += factor > 1.0 ? 1 : 0;
  }
  EXPECT_NEAR(sum / kDraws, 1.0, 0.01);
  EXPECT_GE(lowest, 0.6) << "never quicker than the fixed part";
  // A long right tail: fewer than half the thoughts take longer than the mean.
  EXPECT_LT(aboveMean, kDraws * 0.42);
  EXPECT_EQ(TPlayerRandom(7).Uniform(), TPlayerRandom(7).Uniform());
}

// Puts an atom of `kind` in hand, resting, on an arcade board with the given minimum size.
void HoldInHand(int32_t kind, int32_t minSize) {
  StartGame(1);
  Game.Phase = phPlay;
  Game.Level.MinMoleculeSize = minSize;
  Game.QueueCount = 1;
  Game.Queue[1].Kind = static_cast<uint8_t>(kind);
  Game.Queue[1].Y = Game.Queue[0].Y - 33;
}

bool Touches(const TMove& move, int col, int row) {
  return std::abs(move.Col - col) + std::abs(move.Row - row) == 1;
}

TEST_F(AutoplayTest, ClosesMoleculesThatCountAndShunsCellsThatCanNeverClose) {
  // A chain 1-2-2 along row 5 with one free electron at (8,5): a single there makes four atoms.
  HoldInHand(1, 4);
  PlaceAtom(6, 5, 1);
  PlaceAtom(7, 5, 2);
  PlaceAtom(8, 5, 2);
  const TBoard before = Game.Board;
  const TMove closing = ChooseMove();
  EXPECT_TRUE(Touches(closing, 8, 5)) << closing.Col << "," << closing.Row;
  EXPECT_EQ(Game.Board[8][5].FreeElectrons, before[8][5].FreeElectrons) << "trials are undone";

  // On the border a four-electron atom can never close, however near the cursor it is.
  HoldInHand(4, 4);
  ClearBoard();
  const TMove inside = ChooseMove();
  EXPECT_TRUE(inside.Col > 1 && inside.Col < 12 && inside.Row > 1 && inside.Row < 10)
      << inside.Col << "," << inside.Row;
}

TEST_F(AutoplayTest, ClearingExchangesAwayAnAtomThatCanNeverCloseThenEmptiesTheBoard) {
  StartGame(3);
  ClearBoard();
  Game.Phase = phPlay;
  Game.QueueCount = 1;
  Game.Queue[1].Kind = 1;
  // Four electrons with three cells around: only an exchange takes it off the board.
  PlaceAtom(1, 5, 4);
  const TMove swap = ChooseMove();
  EXPECT_TRUE(swap.Exchange && swap.Col == 1 && swap.Row == 5) << swap.Col << "," << swap.Row;

  // Two lone singles: a double between them joins and closes everything at once.
  ClearBoard();
  PlaceAtom(5, 5, 1);
  PlaceAtom(7, 5, 1);
  Game.Queue[1].Kind = 2;
  const TMove last = ChooseMove();
  EXPECT_TRUE(!last.Exchange && last.Col == 6 && last.Row == 5) << last.Col << "," << last.Row;
}

TEST_F(AutoplayTest, MeasuredWinningSeedReplaysAsAWin) {
  std::ostringstream perGame;
  const TLevelFigures figures = MeasureLevel(*table_, {1, 7, 0}, 6, 100, &perGame);
  EXPECT_EQ(figures.Games, 6);
  EXPECT_LE(figures.WinLow, double(figures.Wins) / figures.Games);
  EXPECT_GE(figures.WinHigh, double(figures.Wins) / figures.Games);
  ASSERT_TRUE(figures.WinningSeed.has_value()) << perGame.str();
  EXPECT_TRUE(table_->Play({1, 7, *figures.WinningSeed}).Won);
  // A limit shorter than any game loses every one, however well it is played.
  EXPECT_FALSE(table_->Play({1, 7, *figures.WinningSeed, 5000}).Won);
}

TEST_F(AutoplayTest, SeededGameIsWonAndReplaysIdentically) {
  const TGameSetup setup{1, 3, 11};
  const TGameOutcome first = table_->Play(setup);
  const TGameOutcome again = table_->Play(setup);
  EXPECT_TRUE(first.Won);
  EXPECT_GE(first.Molecules, Game.Level.MoleculeGoal);
  EXPECT_GT(first.TimeLeftMs, 0);
  // Never faster than the hands allow: each atom costs at least the shortest thought and press.
  const TPlayerProfile& average = AverageProfile();
  EXPECT_GE(first.PlayedMs, first.AtomsPlaced * (average.ThinkBaseMs * (1 - average.ThinkTail) +
                                                 average.KeyHoldMs * 0.8));
  EXPECT_EQ(first.PlayedMs, again.PlayedMs);
  EXPECT_EQ(first.AtomsPlaced, again.AtomsPlaced);
  EXPECT_EQ(first.AtomsWasted, again.AtomsWasted);

  const TGameOutcome other = table_->Play({1, 3, 12});
  EXPECT_NE(other.PlayedMs, first.PlayedMs);

  // The same game at a quick and a beginner's pace: the quick hand places atoms faster.
  TGameSetup quick = setup;
  quick.Profile = *FindProfile("quick");
  TGameSetup beginner = setup;
  beginner.Profile = *FindProfile("beginner");
  const TGameOutcome fast = table_->Play(quick);
  const TGameOutcome slow = table_->Play(beginner);
  EXPECT_GT(fast.AtomsPlaced * 1.0 / fast.PlayedMs, 1.3 * slow.AtomsPlaced / slow.PlayedMs);
}
}  // namespace
