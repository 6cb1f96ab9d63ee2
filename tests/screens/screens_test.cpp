// Screen transitions, latches and sounds of the intro and the menu screens.
#include <gtest/gtest.h>

#include "media/input.h"
#include "screen_fixture.h"

namespace {
using Events = std::vector<std::string>;

// The sound-effect events since the last call (the music control's own events left out).
Events EffectEvents() {
  Events effects;
  for (auto& event : TakeMediaEvents()) {
    if (event.rfind("music ", 0) != 0) effects.push_back(event);
  }
  return effects;
}

class MenuScreens : public ScreenFixture {};

TEST_F(MenuScreens, IntroHandsOverAt7700AndHeldEscWaitsForANewPress) {
  Frame(7699, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssIntro);
  Frame(1, {VK_ESCAPE});  // StateTime reaches 7700
  EXPECT_EQ(ScreenState, ssIntro);
  Frame(16, {VK_ESCAPE});
  ASSERT_EQ(ScreenState, ssMainMenu);
  EXPECT_EQ(HlMenu.Items[1], "start");
  EXPECT_EQ(HlMenu.Selected, 1);

  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssMainMenu) << "a held Esc must not open the quit question";
  Frame(16);
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssQuitQuestion);
}

TEST_F(MenuScreens, IntroFadesTitleInAndSlidesIt) {
  Frame(99);
  EXPECT_EQ(Intro.Objects[1].Alpha, 0.0) << "picture 1 is not shown before 100 ms";
  Frame(50);
  EXPECT_DOUBLE_EQ(Intro.Objects[1].Alpha, 10.0);
  for (int i = 0; i < 300; ++i) Frame(20);
  EXPECT_DOUBLE_EQ(Intro.Objects[1].Alpha, 255.0);
  EXPECT_DOUBLE_EQ(Intro.Objects[1].X, 115.0);
  EXPECT_GT(Intro.Objects[3].Alpha, 0.0);
}

TEST_F(MenuScreens, EscAndEnterInOneMainMenuFrameKeepTheEnterScreen) {
  GoToMainMenu();
  Frame(16, {VK_ESCAPE, VK_RETURN});
  EXPECT_EQ(ScreenState, ssModeChoice);
  EXPECT_EQ(HlMenu.Items[1], "arkada");
  EXPECT_EQ(EffectEvents(), (Events{"play menu_zpet", "play menu_ok"}));
}

TEST_F(MenuScreens, MainMenuWrapsAndMovesOncePerPress) {
  GoToMainMenu();
  Frame(16, {VK_UP});
  EXPECT_EQ(HlMenu.Selected, 5);
  Frame(16, {VK_UP});
  EXPECT_EQ(HlMenu.Selected, 5) << "holding Up moves once";
  Frame(16);
  Frame(16, {VK_DOWN});
  EXPECT_EQ(HlMenu.Selected, 1);
  Frame(16, {VK_RETURN});
  Frame(16, {VK_RETURN, VK_SPACE});
  Frame(16, {VK_SPACE});
  EXPECT_EQ(ScreenState, ssModeChoice);
  EXPECT_EQ(LatchConfirm, 1) << "Space while Enter was held does nothing";
}

TEST_F(MenuScreens, EscFromModeChoiceKeepsTheNumberOfTheHighlightedMode) {
  GoToMainMenu();
  Frame(16, {VK_RETURN});
  Frame(16);
  Frame(16, {VK_DOWN});
  Frame(16);
  Frame(16, {VK_DOWN});
  ASSERT_EQ(HlMenu.Selected, 3);
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssMainMenu);
  EXPECT_EQ(HlMenu.Items[3], "sin slavy");
  EXPECT_EQ(HlMenu.Selected, 3);
}

TEST_F(MenuScreens, ModeChoiceKeepsLevelAndColumnInStepWithTheHighlight) {
  ArcadeLevels[1].SupplyInterval = 3000;
  ModeParams[2].SupplyInterval = 2000;
  GoToMainMenu();
  Frame(16, {VK_RETURN});
  Game.QueueCount = 4;
  Frame(16);
  EXPECT_EQ(Game.Level.SupplyInterval, 3000);
  EXPECT_EQ(Game.QueueCount, 0);
  Frame(16, {VK_DOWN});
  EXPECT_EQ(Game.Level.SupplyInterval, 2000);
}

TEST_F(MenuScreens, SettingsToggleAndReturnToTheirOwnItem) {
  GoToMainMenu();
  Frame(16, {VK_DOWN});
  Frame(16);
  Frame(16, {VK_SPACE});
  ASSERT_EQ(ScreenState, ssSettings);
  EXPECT_EQ(HlMenu.ItemCount, 3);
  Frame(16);
  Frame(16, {VK_RETURN});
  EXPECT_EQ(Settings[1], 0);
  Frame(16);
  Frame(16, {VK_UP});
  Frame(16);
  Frame(16, {VK_RETURN});
  EXPECT_EQ(Settings[3], 0) << "Up from the first switch wraps to the third";
  Frame(16);
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssMainMenu);
  EXPECT_EQ(HlMenu.Selected, 2);
  EXPECT_EQ(HlMenu.Items[2], "nastaveni");
}

TEST_F(MenuScreens, InformationScrollsBetweenItsLimitsSilently) {
  GoToMainMenu();
  HlMenu.Selected = 4;
  InfoTopLine = 7;
  Frame(16, {VK_RETURN});
  ASSERT_EQ(ScreenState, ssInformation);
  EXPECT_EQ(InfoTopLine, 1);
  TakeMediaEvents();
  Frame(16, {VK_UP});
  EXPECT_EQ(InfoTopLine, 1);
  for (int i = 0; i < 12; ++i) {
    Frame(16);
    Frame(16, {VK_DOWN});
  }
  EXPECT_EQ(InfoTopLine, 10);
  EXPECT_TRUE(EffectEvents().empty()) << "scrolling plays no sound";
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssMainMenu);
  EXPECT_EQ(HlMenu.Selected, 4) << "the information item stays highlighted";
}

TEST_F(MenuScreens, QuitQuestionClosesTheWindowOrReturns) {
  GoToMainMenu();
  HlMenu.Selected = 5;
  Frame(16, {VK_RETURN});
  ASSERT_EQ(ScreenState, ssQuitQuestion);
  Frame(16, {VK_RETURN});
  EXPECT_FALSE(form_->Closed()) << "the Enter that opened the question is still latched";
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssMainMenu);
  EXPECT_EQ(HlMenu.Selected, 5);
  Frame(16);
  Frame(16, {VK_SPACE});
  Frame(16);
  TakeMediaEvents();
  Frame(16, {VK_SPACE});
  EXPECT_TRUE(form_->Closed());
  EXPECT_EQ(EffectEvents().front(), "play menu_ok");
}

TEST_F(MenuScreens, HallOfFameReturnsWithItsItemHighlighted) {
  GoToMainMenu();
  HlMenu.Selected = 3;
  Frame(16, {VK_SPACE});
  ASSERT_EQ(ScreenState, ssHallOfFame);
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(ScreenState, ssMainMenu);
  EXPECT_EQ(HlMenu.Selected, 3);
  EXPECT_EQ(EffectEvents(), (Events{"play menu_ok", "play menu_zpet"}));
}

// A reskinned sound file without the menu effects must not lock the player out: the main menu
// still moves, confirms and quits, and each missing effect is told once.
TEST_F(MenuScreens, MissingMenuEffectsAreSilentAndToldOnce) {
  form_->DXWaveList.Items.Clear();
  form_->DXWaveList.Items.Add().SetName("menu_zpet");
  GoToMainMenu();
  Frame(16, {VK_DOWN});
  EXPECT_EQ(HlMenu.Selected, 2);
  Frame(16);
  Frame(16, {VK_UP});
  Frame(16);
  Frame(16, {VK_UP});
  Frame(16, {VK_RETURN});
  ASSERT_EQ(ScreenState, ssQuitQuestion);
  Frame(16);
  Frame(16, {VK_RETURN});
  EXPECT_TRUE(form_->Closed());
  EXPECT_EQ(EffectEvents(), (Events{"missing menu_pohyb", "missing menu_ok"}));
}
}  // namespace
