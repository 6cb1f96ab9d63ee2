// The loudest moment the game can make: every effect started at once, again and again, over each
// song at full volume. The mix must bend such peaks, never cut them flat.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "media/mixer.h"
#include "media/music_library.h"
#include "media/sound.h"
#include "media/wave_list.h"

namespace fs = std::filesystem;

TEST(MixHeadroom, LoudestEffectsOverEverySongNeverReachFullScale) {
  const fs::path data = BRUNIVAL_DATA_DIR;
  if (!fs::exists(data / "zvuky.dat")) GTEST_SKIP() << "no data set in " << data;
  TMixer mixer(44100);
  SetMusicOutput(&mixer);
  FSOUND_Init(44100, 64, 0);
  TWaveCollection effects;
  effects.LoadFromFile((data / "zvuky.dat").string());
  TDXSound sound(&mixer);
  sound.Attach(effects);
  sound.Initialize();

  for (const char* song : {"menu.mod", "hudba1.xm", "hudba2.mod", "hudba3.mod"}) {
    FMUSIC_MODULE* module = FMUSIC_LoadSong((data / "mod" / song).c_str());
    ASSERT_NE(module, nullptr) << song;
    FMUSIC_PlaySong(module);
    mixer.CaptureOutput(true);
    for (int step = 0; step < 40; ++step) {
      for (int i = 0; i < effects.Count(); ++i) effects.Items(i).Play(false);
      mixer.Advance(250);
    }
    const std::vector<float> out = mixer.TakeCapturedOutput();
    float peak = 0.0f;
    for (float sample : out) peak = std::max(peak, std::fabs(sample));
    EXPECT_LT(peak, 0.995f) << song;
    for (int i = 0; i < effects.Count(); ++i) effects.Items(i).Stop();
    FMUSIC_FreeSong(module);
  }
  FSOUND_Close();
  SetMusicOutput(nullptr);
}
