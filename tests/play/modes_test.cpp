// Game modes: start, briefing, level completion with its bonus, time-out, overflow, speed-up,
// "destrukce" success and failure, and the arcade's progression to the win.
#include <algorithm>

#include "media/media_events.h"
#include "play/game_state.h"
#include "play/start_game.h"
#include "play_rig.h"
#include "rules/board.h"
#include "shell/screen_state.h"
#include "store/level_params.h"

class Modes : public PlayRig {
 protected:
  // Makes level 1's one molecule at 12.7 s; returns with the result phase running.
  void CompleteFirstLevel() {
    PlaceAt(1, 1);
    MoveCursorTo(2, 1);
    WaitForLandedAtom();
    while (Game.StateTime < 12600) Frame(100);
    while (Game.StateTime < 12700) Frame(1);
    Frame(16, {VK_SPACE});
    Frame(16);
  }

  // Clears the board at 95.4 s of "destrukce" with the given score and runs the result out.
  int32_t ClearDestructionBoard(int32_t score, bool skip) {
    ModeParams[3].SupplyInterval = 1000000;
    StartAndPlay(3);
    while (Game.StateTime < 95000) Frame(1000);
    Frame(400);
    ClearBoard();
    Game.Score = score;
    Frame(16);
    EXPECT_EQ(Game.Phase, phResult);
    EXPECT_EQ(Game.BoardCleared, 1);
    EXPECT_EQ(Game.ResultTime, 95000);
    if (skip) {
      while (Game.StateTime <= 1400) Frame(16);
      Frame(16, {VK_RETURN});
    }
    RunWhileScreen(ssPlay, 16);
    return Game.Score;
  }
};

namespace {
int AtomsOnBoard() {
  int atoms = 0;
  for (int col = 1; col <= 12; ++col) {
    for (int row = 1; row <= 10; ++row) atoms += Game.Board[col][row].Kind != 0;
  }
  return atoms;
}
}  // namespace

TEST_F(Modes, StartGameSetsUpTheModeAndDestructionSeedsTenAtoms) {
  Game.Score = 999;
  Game.QueueCount = 4;
  StartGame(3);
  EXPECT_EQ(ScreenState, ssPlay);
  EXPECT_EQ(Game.Phase, phBriefing);
  EXPECT_EQ(Game.Score, 0);
  EXPECT_EQ(Game.QueueCount, 0);
  EXPECT_EQ(LatchConfirm, 1);
  EXPECT_EQ(Game.Level.BriefingDelay, 1100);
  EXPECT_EQ(AtomsOnBoard(), 10);
  for (int col = 1; col <= 12; ++col) {
    for (int row = 1; row <= 10; ++row) {
      const int kind = Game.Board[col][row].Kind;
      EXPECT_TRUE(kind == 0 || kind == 3 || kind == 4)
          << "cell " << col << "," << row << ": " << kind;
    }
  }
  EXPECT_EQ(TakeMediaEvents(), std::vector<std::string>{"play mezihra"});
}

TEST_F(Modes, BriefingIgnoresKeysBeforeItsDelayAndSlidesOutAfter) {
  StartGame(1);
  Frames(10, 100, {VK_SPACE});
  Frames(5, 100);
  EXPECT_EQ(Game.OverlaySlide, 0) << "a key held from the menu and pressed before 2000 ms";
  Frames(6, 100);
  Frame(16, {VK_SPACE});
  EXPECT_GT(Game.OverlaySlide, 0) << "Space after the delay starts the slide-out";
  Frames(15, 100);
  EXPECT_EQ(Game.Phase, phBriefing) << "the arcade briefing leaves after E div 5 passes 320";
  Frame(100);
  EXPECT_EQ(Game.Phase, phPlay);
  EXPECT_EQ(Game.StateTime, 0);
}

TEST_F(Modes, ArcadeBonusCountedOutOrSkippedGivesTheSameScore) {
  ArcadeLevels[1].MoleculeGoal = 1;
  StartAndPlay(1);
  CompleteFirstLevel();
  ASSERT_EQ(Game.Phase, phResult);
  EXPECT_EQ(Game.ResultTime, 12000) << "the elapsed time is cut to whole seconds";
  TakeMediaEvents();
  while (Game.Phase == phResult) Frame(16);
  const int32_t counted = Game.Score;
  EXPECT_EQ(counted, 200 + 48 * 50) << "a molecule of two and 48 seconds left";
  EXPECT_EQ(Game.LevelNumber, 2);
  EXPECT_EQ(Game.Level.MoleculeGoal, ArcadeLevels[2].MoleculeGoal);
  EXPECT_EQ(Count(TakeMediaEvents(), "play mezihra"), 1);

  StartAndPlay(1);
  CompleteFirstLevel();
  while (Game.StateTime <= 2800) Frame(16);
  Frame(16, {VK_SPACE});
  EXPECT_EQ(Game.Score, counted) << "Space pays out the rest at once";
  EXPECT_EQ(Game.ResultTime, 60000);
}

TEST_F(Modes, ArcadeTimeOutAndOverflowEndTheGame) {
  ArcadeLevels[1].TimeLimit = 3000;
  StartAndPlay(1);
  Frames(30, 100);
  EXPECT_EQ(ScreenState, ssPlay) << "StateTime equal to the limit does not end the level";
  TakeMediaEvents();
  Frame(1);
  EXPECT_EQ(ScreenState, ssGameOver);
  EXPECT_EQ(Game.ResultTime, 3000);
  EXPECT_EQ(Game.NewRecord, 0);
  EXPECT_EQ(Count(TakeMediaEvents(), "play uspech"), 1);

  ArcadeLevels[1].TimeLimit = 60000;
  ArcadeLevels[1].SupplyInterval = 1;
  StartAndPlay(1);
  for (int i = 0; i < 20 && ScreenState == ssPlay; ++i) Frame(16);
  EXPECT_EQ(ScreenState, ssGameOver) << "the eleventh atom ends the arcade game";
  EXPECT_EQ(Game.QueueCount, 10);
}

TEST_F(Modes, ArcadeRunsThroughTwentyLevelsToTheWin) {
  for (int k = 1; k <= 20; ++k) ArcadeLevels[k] = {k * 1000, "A", 4000, 0, 0, 2000};
  StartGame(1);
  int highestLevel = 0;
  for (int i = 0; i < 20000 && ScreenState == ssPlay; ++i) {
    Frame(100, {});
    Frame(100, {VK_SPACE});
    highestLevel = std::max<int>(highestLevel, Game.LevelNumber);
  }
  EXPECT_EQ(ScreenState, ssGameOver);
  EXPECT_EQ(highestLevel, 20) << "no level 21";
  EXPECT_EQ(Game.Score, 50 * 210) << "each level's whole time limit is left";
  EXPECT_EQ(Game.NewRecord, 1) << "10500 beats the default tenth entry of 5000";
}

TEST_F(Modes, BattleSpeedsUpByMinutesAndEndsOnOverflow) {
  StartAndPlay(2);
  const auto runUntil = [this](int32_t time) {
    while (Game.StateTime < time) {
      Frame(1000);
      Game.QueueCount = 0;
    }
  };
  runUntil(119000);
  EXPECT_EQ(Game.Level.SupplyInterval, 3000);
  runUntil(180000);
  EXPECT_EQ(Game.Level.SupplyInterval, 1000);
  runUntil(300000);
  EXPECT_EQ(Game.Level.SupplyInterval, 1000) << "never below 1000 ms";

  ModeParams[2].SupplyInterval = 1000;
  StartAndPlay(2);
  while (Game.Phase == phPlay) Frame(500);
  EXPECT_LE(Game.QueueCount, 10) << "the eleventh atom is taken back";
  const int32_t seconds = Game.ResultTime / 1000;
  EXPECT_GT(seconds, 0);
  RunWhileScreen(ssPlay, 16);
  EXPECT_EQ(ScreenState, ssGameOver);
  EXPECT_EQ(Game.Score, seconds * 50) << "50 points per second survived";
}

TEST_F(Modes, DestructionClearedCostsTenPointsASecondFlooredAtZero) {
  EXPECT_EQ(ClearDestructionBoard(2000, false), 1050);
  EXPECT_EQ(ClearDestructionBoard(2000, true), 1050);
  EXPECT_EQ(ClearDestructionBoard(500, false), 0);
  EXPECT_EQ(ClearDestructionBoard(500, true), 0);
}

TEST_F(Modes, DestructionOverflowFailsWithScoreZero) {
  ModeParams[3].SupplyInterval = 1;
  StartAndPlay(3);
  Frames(3, 16, {VK_F1});
  TakeMediaEvents();
  while (Game.Phase == phPlay) Frame(1000);
  EXPECT_EQ(Game.Score, 0);
  EXPECT_EQ(Game.ResultTime, 0);
  EXPECT_LE(Game.QueueCount, 10) << "the eleventh atom is taken back";
  EXPECT_EQ(Game.BoardCleared, 0);
  EXPECT_EQ(Count(TakeMediaEvents(), "play neuspech"), 1);
  RunWhileScreen(ssPlay, 16);
  EXPECT_EQ(ScreenState, ssGameOver);
  EXPECT_EQ(Game.Score, 0);
}

TEST_F(Modes, QuitPromptOpenedInOneLevelIsAnsweredInTheNext) {
  StartAndPlay(1);
  Frame(16, {VK_ESCAPE});
  Frame(16, {VK_M});
  Frame(16);
  ASSERT_EQ(Game.Phase, phResult) << "M ends the level under the question";
  for (int i = 0; i < 2000 && Game.LevelNumber == 1; ++i) Frame(16, {VK_RETURN});
  EXPECT_EQ(ScreenState, ssPlay) << "Enter on the result does not answer the question";
  while (Game.Phase != phPlay) {
    Frame(100);
    Frame(100, {VK_SPACE});
  }
  EXPECT_EQ(Game.QuitPrompt, 1);
  Frame(16);
  Frame(16, {VK_RETURN});
  EXPECT_EQ(ScreenState, ssMainMenu);
}
