// The play update: supply, falling, cursor, placing, exchanging, F1, the alarm and the quit prompt.
#include <map>

#include "media/media_events.h"
#include "play/atom_supply.h"
#include "play/game_state.h"
#include "play/side_column.h"
#include "play_rig.h"
#include "rules/board.h"
#include "shell/screen_state.h"
#include "store/level_params.h"
#include "store/random.h"

using PlayUpdate = PlayRig;

TEST_F(PlayUpdate, FirstAtomArrivesAtOnceAndLandsWithOneSound) {
  StartAndPlay(2);
  TakeMediaEvents();
  Frame(3);
  ASSERT_EQ(Game.QueueCount, 1) << "an empty column is refilled in the first frame";
  EXPECT_EQ(Game.Queue[1].Y, 28) << "starts at 26 and falls 2/3 pixel per ms";
  WaitForLandedAtom();
  Frames(20, 16);
  EXPECT_EQ(Game.Queue[1].Y, 429);
  EXPECT_EQ(Count(TakeMediaEvents(), "play padatomu"), 1);
}

TEST_F(PlayUpdate, TwoAtomsSideBySideBondScoreAndCount) {
  StartAndPlay(2);
  PlaceAt(3, 2);
  EXPECT_EQ(Game.Board[3][2].Kind, 1);
  PlaceAt(4, 2);
  EXPECT_EQ(Game.Score, 200) << "a molecule of two scores 50 x 2 x 2";
  EXPECT_EQ(Game.MoleculesMade, 1);
  EXPECT_GT(Game.Board[4][2].Kind, 100) << "the molecule is blowing up";
}

TEST_F(PlayUpdate, SpaceNeedsALandedAtomAStillCursorAndAFreshPress) {
  StartAndPlay(2);
  Frame(16);
  Frame(16, {VK_SPACE});
  EXPECT_EQ(Game.Board[1][1].Kind, 0) << "the atom in hand is still falling";
  for (int i = 0; i < 100 && !AtomInHandLanded(); ++i) Frame(16, {VK_SPACE});
  Frame(16, {VK_SPACE});
  EXPECT_EQ(Game.Board[1][1].Kind, 0) << "Space held since before landing does not act again";
  Frame(16, {VK_RIGHT});
  Frame(16, {VK_SPACE});
  EXPECT_EQ(Game.Board[1][1].Kind + Game.Board[2][1].Kind, 0) << "no placing while sliding";
  Frames(4, 16);
  EXPECT_EQ(Game.CursorCol, 2) << "a move takes 80 ms";
  Frame(16, {VK_RETURN});
  EXPECT_EQ(Game.Board[2][1].Kind, 0) << "Enter does not place";
  Frame(16, {VK_SPACE});
  EXPECT_EQ(Game.Board[2][1].Kind, 1);
  EXPECT_EQ(Game.QueueCount, 0);
}

TEST_F(PlayUpdate, CursorSlidesDiagonallyAndStopsAtTheEdge) {
  StartAndPlay(4);
  Frame(40, {VK_UP, VK_LEFT});
  EXPECT_EQ(Game.CursorStepY, 0) << "row 1 is the top edge";
  EXPECT_EQ(LatchUp, 1) << "the key is latched even though nothing moves";
  Frame(40, {VK_DOWN, VK_RIGHT});
  Frame(40);
  EXPECT_EQ(Game.CursorOffsetX, 20.0) << "0.5 pixel per ms";
  EXPECT_EQ(Game.CursorOffsetY, 20.0) << "both axes slide at once";
  Frame(40);
  EXPECT_EQ(Game.CursorCol, 2);
  EXPECT_EQ(Game.CursorRow, 2);
  Frames(4, 40, {VK_RIGHT});
  EXPECT_EQ(Game.CursorCol, 3) << "a held key moves once";
  EXPECT_EQ(Game.CursorStepX, 0);
}

TEST_F(PlayUpdate, ExchangeSwapsAndChargesTheKindDifferenceFlooredAtZero) {
  StartAndPlay(4);
  PlaceAtom(5, 5, 1);
  WaitForLandedAtom();
  Game.Queue[1].Kind = 4;
  Game.Score = 100;
  MoveCursorTo(5, 5);
  TakeMediaEvents();
  Frame(16, {VK_SPACE});
  EXPECT_EQ(Game.Board[5][5].Kind, 4);
  EXPECT_EQ(Game.Queue[1].Kind, 1) << "the removed atom becomes the atom in hand";
  EXPECT_EQ(Game.QueueCount, 1);
  EXPECT_EQ(Game.Score, 0) << "100 - 300 is floored at 0";
  EXPECT_EQ(Count(TakeMediaEvents(), "play vymena"), 1);
}

TEST_F(PlayUpdate, WildcardExchangeIsChargedForTheKindItTook) {
  StartAndPlay(4);
  PlaceAtom(5, 5, 3);
  PlaceAtom(5, 4, 4);
  PlaceAtom(6, 5, 4);
  WaitForLandedAtom();
  Game.Queue[1].Kind = 5;
  Game.Score = 1000;
  MoveCursorTo(5, 5);
  Frame(16, {VK_SPACE});
  EXPECT_EQ(Game.Board[5][5].Kind, 2) << "two neighbours offer electrons";
  EXPECT_EQ(Game.Score, 900) << "penalty |3 - 2| x 100, not |3 - 5| x 100";
}

TEST_F(PlayUpdate, F1AddsAHundredPointsEveryFrameItIsHeld) {
  StartAndPlay(4);
  Frames(10, 16, {VK_F1});
  EXPECT_EQ(Game.Score, 1000);
}

TEST_F(PlayUpdate, AlarmAtTenIsStoppedByAPlacement) {
  ModeParams[5].SupplyInterval = 10;
  StartAndPlay(5);
  TakeMediaEvents();
  while (Game.QueueCount < 10) Frame(16);
  EXPECT_EQ(Count(TakeMediaEvents(), "play alert"), 1);
  ModeParams[5].SupplyInterval = 100000;
  Game.Level.SupplyInterval = 100000;
  Game.NextAtomTime = 100000;
  PlaceAt(1, 1);
  EXPECT_EQ(Game.QueueCount, 9);
  EXPECT_EQ(Count(TakeMediaEvents(), "stop alert"), 1);
}

TEST_F(PlayUpdate, TrainingAHoldsOneAtomAndTrainingBThrowsTheColumnAway) {
  ModeParams[4].SupplyInterval = 1;
  StartAndPlay(4);
  for (int i = 0; i < 200; ++i) {
    Frame(16);
    ASSERT_LE(Game.QueueCount, 1) << "frame " << i;
  }
  ModeParams[5].SupplyInterval = 1;
  StartAndPlay(5);
  while (Game.QueueCount < 10) Frame(16);
  while (Game.QueueCount == 10) Frame(16);
  EXPECT_EQ(Game.QueueCount, 0) << "the eleventh atom empties the column";
  EXPECT_EQ(ScreenState, ssPlay);
  Frame(16);
  EXPECT_EQ(Game.QueueCount, 1) << "an empty column is refilled at once";
}

TEST_F(PlayUpdate, QuitPromptKeepsTheGameRunningUntilEnterLeaves) {
  StartAndPlay(2);
  Frame(16, {VK_ESCAPE});
  ASSERT_EQ(Game.QuitPrompt, 1);
  const int32_t before = Game.StateTime;
  Frames(10, 100);
  EXPECT_EQ(Game.StateTime, before + 1000) << "the clock runs under the question";
  Frame(16, {VK_LEFT});
  EXPECT_EQ(Game.CursorStepX, 0) << "the cursor keys are off";
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(Game.QuitPrompt, 0);
  Frame(16);
  Frame(16, {VK_ESCAPE});
  TakeMediaEvents();
  Frame(16, {VK_RETURN});
  EXPECT_EQ(ScreenState, ssMainMenu);
  EXPECT_EQ(HlMenu.Items[1], "start");
  EXPECT_EQ(HlMenu.Selected, 1);
  const auto events = TakeMediaEvents();
  EXPECT_EQ(Count(events, "play menu_ok"), 1);
  EXPECT_EQ(Count(events, "stop alert"), 1);
}

TEST_F(PlayUpdate, MKeyEndsAScoredLevelOneFrameLateAndDoesNothingInTraining) {
  StartAndPlay(2);
  Frame(16, {VK_M});
  EXPECT_EQ(Game.Phase, phPlay) << "the M test sees the previous frame's keys";
  Frame(16);
  EXPECT_EQ(Game.Phase, phResult);
  StartAndPlay(4);
  Frame(16, {VK_M});
  Frame(16);
  EXPECT_EQ(Game.Phase, phPlay);
}

TEST(AtomSupply, KindsFollowTheWeightsAndOnlyAllowedKindsCome) {
  RandSeed(7);
  std::map<int, int> counts;
  for (int i = 0; i < 100000; ++i) ++counts[ChooseAtomKind("AAAAA")];
  const std::map<int, int> percent = {{1, 29}, {2, 25}, {3, 22}, {4, 19}, {5, 5}};
  for (auto [kind, share] : percent) {
    EXPECT_NEAR(counts[kind] / 1000.0, share, 0.6) << "kind " << kind;
  }
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(ChooseAtomKind(" A"), 2);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(ChooseAtomKind("    A"), 5);
}

TEST(AtomSupply, ALevelThatAllowsNoKindSuppliesKindOne) {
  EXPECT_EQ(ChooseAtomKind(""), 1);
  EXPECT_EQ(ChooseAtomKind("xxxxxA"), 1) << "positions beyond five do not count";
  EXPECT_EQ(ChooseAtomKind("a"), 1) << "only a capital A allows a kind";
}
