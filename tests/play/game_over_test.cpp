// Game over and name entry: the curtains, the record keyboard, storing, and leaving with Esc.
#include <initializer_list>

#include "media/media_events.h"
#include "play/game_state.h"
#include "play_rig.h"
#include "shell/screen_state.h"
#include "store/high_scores.h"
#include "store/level_params.h"

class GameOver : public PlayRig {
 protected:
  // Ends an arcade game by time-out with the given score and waits on the game-over screen.
  void EndArcadeWith(int32_t score) {
    ArcadeLevels[1].TimeLimit = 1000;
    StartAndPlay(1);
    Game.Score = score;
    RunWhileScreen(ssPlay, 100);
    ASSERT_EQ(ScreenState, ssGameOver);
  }
  void ReachNameEntry(int32_t score) {
    EndArcadeWith(score);
    RunWhileScreen(ssGameOver, 100);
    Frame(16);
  }
  // One press of a key, then frames until the selection rests.
  void Press(int key) {
    Frame(16, {key});
    while (Game.CursorStepX != 0 || Game.CursorStepY != 0) Frame(50);
    Frame(16);
  }
  void PressTimes(int key, int times) {
    for (int i = 0; i < times; ++i) Press(key);
  }
};

TEST_F(GameOver, CurtainsCloseThenTheRecordIsAnnounced) {
  EndArcadeWith(60000);
  EXPECT_EQ(Game.NewRecord, 1);
  Frames(3, 100);
  EXPECT_EQ(Pixel(10, 99), 0u) << "top curtain StateTime div 3 = 100 rows";
  EXPECT_EQ(Pixel(10, 100), kLeftFramePixel);
  EXPECT_EQ(Pixel(10, 380), 0u);
  EXPECT_EQ(Pixel(10, 379), kLeftFramePixel);
  Frames(4, 100);
  Frame(22);
  EXPECT_EQ(ScreenState, ssGameOver) << "722 ms: the curtains have just met";
  TakeMediaEvents();
  Frame(1);
  EXPECT_EQ(ScreenState, ssNameEntry);
  EXPECT_EQ(Count(TakeMediaEvents(), "play rekord"), 1);
}

TEST_F(GameOver, ANameTypedOnTheKeyboardIsStoredWithTheScore) {
  ReachNameEntry(47000);
  Press(VK_SPACE);  // A
  Press(VK_RIGHT);
  Press(VK_SPACE);  // B
  PressTimes(VK_DOWN, 4);
  PressTimes(VK_RIGHT, 5);  // delete
  Press(VK_SPACE);
  Press(VK_LEFT);  // "."
  Press(VK_SPACE);
  EXPECT_EQ(Game.EnteredName, "A.");
  PressTimes(VK_RIGHT, 2);  // finish
  Press(VK_SPACE);
  EXPECT_EQ(ScreenState, ssHallOfFame);
  EXPECT_EQ(HlMenu.Items[1], "start");
  EXPECT_EQ(HlMenu.Selected, 1);
  LoadHighScores();
  EXPECT_EQ(HallNames[1], "A.") << "47000 goes between 50000 and 45000";
  EXPECT_EQ(HallScores[1], "47000");
  EXPECT_EQ(HallScores[9], "10000") << "the old last entry dropped out";
}

TEST_F(GameOver, NameEditingLimitsAndSlidingPresses) {
  ReachNameEntry(60000);
  TakeMediaEvents();
  PressTimes(VK_SPACE, 6);
  EXPECT_EQ(Game.EnteredName, "AAAAA") << "a sixth character is not appended";
  Frame(16, {VK_RIGHT});
  Frame(16, {VK_SPACE});
  EXPECT_EQ(Game.EnteredName, "AAAAA") << "a press while sliding only clicks";
  EXPECT_EQ(Count(TakeMediaEvents(), "play menu_pohyb"), 7);
}

TEST_F(GameOver, EscStoresNothingAndATiedScoreIsNoRecord) {
  ReachNameEntry(5000);
  EXPECT_EQ(Game.NewRecord, 0) << "equal to the tenth entry";
  TakeMediaEvents();
  Press(VK_SPACE);
  EXPECT_EQ(Count(TakeMediaEvents(), "play menu_pohyb"), 0) << "no keyboard without a record";
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssHallOfFame);
  LoadHighScores();
  EXPECT_EQ(HallScores[9], "5000") << "the table is unchanged";
}

TEST_F(GameOver, NameEntryPanelAndSelectionFrame) {
  ReachNameEntry(60000);
  const uint32_t pulse = static_cast<uint32_t>(Game.CursorPulse);
  Frame(16);
  EXPECT_EQ(Pixel(133, 91), 0xFFFF00u | pulse) << "selection frame around A";
  EXPECT_EQ(Pixel(158, 118), 0xFFFF00u | pulse);
  EXPECT_EQ(Pixel(43, 300), 0x0F0F0Fu) << "faint raster line";
  EXPECT_EQ(Pixel(44, 300), 0u);
  EXPECT_EQ(Pixel(40, 40), 0xFFFFFFu) << "panel border";
  EXPECT_EQ(Pixel(599, 439), 0xFFFFFFu);
}
