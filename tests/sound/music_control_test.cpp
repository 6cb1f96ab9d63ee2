// Music control: start-up loading and its failure flag, the per-frame fade, song choice by screen,
// and the sound-effect volumes from the settings.
#include "shell/music_control.h"

#include <gtest/gtest.h>

#include "media/media_events.h"
#include "media/mixer.h"
#include "media/music_library.h"
#include "platform/backend.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"
#include "sound_test_support.h"
#include "store/random.h"

using namespace sound_test;

namespace {
using Events = std::vector<std::string>;

class MusicControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* file : {"mod/menu.mod", "mod/hudba1.xm", "mod/hudba2.mod", "mod/hudba3.mod"}) {
      WriteFile(dir_.Path() / file, TinyModule());
    }
    SetMusicOutput(&mixer_);
    RandSeed(7);
    Settings = {0, 1, 1, 1};
    ScreenState = ssMainMenu;
    TakeMediaEvents();
  }
  void TearDown() override {
    StopMusic();
    SetMusicOutput(nullptr);
  }

  bool Playing(int slot) { return FMUSIC_IsPlaying(Songs[slot].Handle); }
  // One drawn frame: the music hears `lag` ms, then the control runs.
  void Frame(int32_t lag) {
    mixer_.Advance(lag);
    MusicControl(lag);
  }

  ScopedWorkDir dir_;
  TMixer mixer_{44100};
};
}  // namespace

TEST_F(MusicControlTest, StartLoadsAllFourAndPlaysOnlyTheMenuSong) {
  bool failed = true;
  StartMusic(failed);
  EXPECT_FALSE(failed);
  for (const TSongSlot& song : Songs) EXPECT_NE(song.Handle, nullptr);
  EXPECT_EQ(Songs[0].MasterVolume, 255);
  EXPECT_EQ(Songs[3].MasterVolume, 0);
  EXPECT_TRUE(Playing(0));
  EXPECT_FALSE(Playing(1) || Playing(2) || Playing(3));
  EXPECT_EQ(TakeMediaEvents(), Events{"music play 0"});

  mixer_.Advance(2000);
  EXPECT_TRUE(Playing(0)) << "the menu song loops";
  StopMusic();
  EXPECT_EQ(Songs[1].Handle, nullptr) << "no slot keeps a handle after the library closed";
}

TEST_F(MusicControlTest, MissingMenuSongOrBadModuleSetsTheFailureAndPlaysNothing) {
  std::filesystem::remove(dir_.Path() / "mod/hudba2.mod");
  bool failed = false;
  StartMusic(failed);
  EXPECT_TRUE(failed) << "hudba2.mod missing";
  EXPECT_NE(Songs[3].Handle, nullptr) << "the loads after the failed one are still made";
  EXPECT_FALSE(Playing(0));
  EXPECT_TRUE(TakeMediaEvents().empty());
  StopMusic();

  WriteFile(dir_.Path() / "mod/hudba2.mod", {'n', 'o', 't', ' ', 'm', 'u', 's', 'i', 'c'});
  StartMusic(failed);
  EXPECT_TRUE(failed) << "hudba2.mod is not a module";
  StopMusic();

  std::filesystem::remove(dir_.Path() / "mod/menu.mod");
  StartMusic(failed);
  EXPECT_TRUE(failed) << "menu.mod missing";
  EXPECT_EQ(Songs[1].Handle, nullptr) << "without menu.mod nothing is loaded";
}

TEST_F(MusicControlTest, MusicSettingFadesAllFourSongsTogether) {
  bool failed;
  StartMusic(failed);
  Frame(101);  // 50 a frame: the play songs rise too, though silent
  EXPECT_EQ(Songs[0].MasterVolume, 255);
  EXPECT_EQ(Songs[2].MasterVolume, 50);

  Settings[1] = 0;
  for (int i = 0; i < 5; ++i) Frame(100);
  EXPECT_EQ(Songs[0].MasterVolume, 5);
  EXPECT_EQ(Songs[1].MasterVolume, 0) << "limited at 0";
  Frame(100);
  Frame(100);
  EXPECT_EQ(Songs[0].MasterVolume, 0);
  EXPECT_EQ(Rms([&] {
              mixer_.CaptureOutput(true);
              mixer_.Advance(100);
              return mixer_.TakeCapturedOutput();
            }()),
            0.0)
      << "faded out";
  EXPECT_TRUE(Playing(0)) << "switching the music off does not stop the song";
}

TEST_F(MusicControlTest, GameScreensPlayRandomPlaySongsAndTheMenuRestartsItsOwn) {
  bool failed;
  StartMusic(failed);
  TakeMediaEvents();
  ScreenState = ssPlay;
  Frame(20);
  Events events = TakeMediaEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], "music stop 0");
  EXPECT_TRUE(events[1] == "music play 1" || events[1] == "music play 2" ||
              events[1] == "music play 3")
      << events[1];
  EXPECT_FALSE(Playing(0));
  Frame(20);
  EXPECT_TRUE(TakeMediaEvents().empty()) << "a play song is playing: no change";

  // The play-once song ends after 480 ms; the next frame starts another.
  for (int i = 0; i < 30; ++i) Frame(20);
  events = TakeMediaEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].rfind("music play ", 0), 0u) << events[0];
  EXPECT_NE(events[0], "music play 0");

  ScreenState = ssHallOfFame;
  Frame(20);
  EXPECT_EQ(TakeMediaEvents(), (Events{"music stopall", "music play 0"}));
  EXPECT_TRUE(Playing(0));
  EXPECT_FALSE(Playing(1) || Playing(2) || Playing(3));
}

TEST(MusicControlEffects, SoundSettingSetsEveryEffectVolume) {
  struct Clock : IClock {
    uint32_t Milliseconds() override { return 0; }
  } clock;
  struct Display : IDisplayBackend {
    bool Open(int32_t, int32_t, bool) override { return true; }
    void Close() override {}
    bool CanPresent() override { return true; }
    void Present(const TDirectDrawSurface&) override {}
  } display;
  struct Keyboard : IKeyboardBackend {
    bool IsForeground() override { return true; }
    void ReadKeys(std::array<uint8_t, 256>&) override {}
  } keyboard;
  TMainForm form(TPlatform{clock, display, keyboard, nullptr});
  for (const char* name : {"bum", "alert", "rekord"}) form.DXWaveList.Items.Add().SetName(name);
  Songs = {};
  ScreenState = ssMainMenu;

  Settings = {0, 1, 0, 1};
  MusicControl(16);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(form.DXWaveList.Items.Items(i).Volume(), kMinVolume);
  Settings[2] = 1;
  MusicControl(16);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(form.DXWaveList.Items.Items(i).Volume(), 0);
  TakeMediaEvents();
}
