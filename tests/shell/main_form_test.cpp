// Start-up and shutdown of the main window: first values, full screen, the timer's life.
#include <gtest/gtest.h>

#include "play/game_state.h"
#include "shell/screen_state.h"
#include "shell_fixture.h"

#include <fstream>

#include "media/container_writer.h"

namespace {
using MainFormTest = ShellFixture;

TEST_F(MainFormTest, StartUpGivesFirstValuesOverWhateverWasThere) {
  ScreenState = ssPlay;
  LatchBack = LatchConfirm = 1;
  Settings = {0, 0, 0, 0};
  ShowMenu(ModeLabels, 5, 3);
  InfoTopLine = 7;
  Game.StateTime = 999;
  Game.Board[3][4].Kind = 2;
  Game.LevelNumber = 9;

  form->FormCreate();

  EXPECT_EQ(ScreenState, ssIntro);
  EXPECT_EQ(LatchBack, 0);
  EXPECT_EQ(LatchConfirm, 0);
  EXPECT_EQ(Settings[1] + Settings[2] + Settings[3], 3) << "all three settings on";
  EXPECT_EQ(HlMenu.Items[1], "START");
  EXPECT_EQ(HlMenu.Items[5], "KONEC");
  EXPECT_EQ(HlMenu.Selected, 1);
  EXPECT_EQ(InfoTopLine, 1);
  EXPECT_EQ(Game.StateTime, 0);
  EXPECT_EQ(Game.Board[3][4].Kind, 0);
  EXPECT_EQ(Game.Queue[0].Y, 462);
  EXPECT_EQ(Game.LevelNumber, 1);
  EXPECT_EQ(Game.BoardCleared, 1);
}

TEST_F(MainFormTest, StartUpGoesFullScreenAndStartsTheTimerAndCloseUndoesBoth) {
  form->FormCreate();
  EXPECT_TRUE(display.openedFullScreen);
  EXPECT_TRUE(form->DXDraw.Initialized());
  EXPECT_TRUE(form->DXTimer.Running()) << "enabled through DXDrawInitialize";

  form->Close();
  form->Close();
  EXPECT_TRUE(form->Closed());
  EXPECT_EQ(display.closes, 1) << "the close handler runs once";
  EXPECT_FALSE(form->DXTimer.Running()) << "disabled through DXDrawFinalize";
  EXPECT_EQ(form->DXDraw.Options & doFullScreen, 0u);

  const int32_t time = Game.StateTime;
  form->DXTimerTimer(100);
  EXPECT_EQ(Game.StateTime, time) << "a closed window runs no frame";
}
}  // namespace

namespace {
void WriteMinimalDataSet(const std::vector<std::string>& soundNames) {
  std::ofstream("nexoda.cfg", std::ios::binary) << "CFG#NEXODA\x1b";
  TPictureEntry picture;
  picture.Name = "menu";
  picture.Picture = {2, 2, std::vector<uint32_t>(4, 0xFFFFFF)};
  WritePictureContainer("grafika.dat", {picture});
  std::vector<TSoundEntry> sounds;
  for (const auto& name : soundNames) {
    TSoundEntry sound;
    sound.Name = name;
    sound.Data.assign(200, 0);
    sounds.push_back(sound);
  }
  WriteSoundContainer("zvuky.dat", sounds);
}
}  // namespace

TEST_F(MainFormTest, SoundFileWithoutTheRetunedEffectsStillStarts) {
  WriteMinimalDataSet({"bum"});
  ASSERT_NO_THROW(form->FormCreate());
  EXPECT_FALSE(form->SoundsFailed);
  EXPECT_TRUE(form->MusicFailed) << "no mod/menu.mod in the directory";
}

TEST_F(MainFormTest, StartUpRetunesTheMenuAndExchangeSounds) {
  WriteMinimalDataSet({"menu_ok", "vymena", "bum"});
  form->FormCreate();
  EXPECT_EQ(form->DXWaveList.Items.Find("menu_ok").Frequency(), 25000);
  EXPECT_EQ(form->DXWaveList.Items.Find("vymena").Frequency(), 18000);
  EXPECT_EQ(form->DXWaveList.Items.Find("bum").Frequency(), 0);
}
