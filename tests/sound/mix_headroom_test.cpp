// The loudest moment the game can make: every effect started at once, again and again, over each
// song at full volume. The mix must bend such peaks, never cut them flat.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "media/mixer.h"
#include "media/music_library.h"
#include "media/sound.h"
#include "media/wave_list.h"

TEST(MixHeadroom, LoudestEffectsOverEverySongStayBelowFullScale) {
  const std::filesystem::path data = BRUNIVAL_DATA_DIR;
  if (!std::filesystem::exists(data / "zvuky.dat")) GTEST_SKIP() << "no data set in " << data;
  TMixer mixer(44100);
  SetMusicOutput(&mixer);
  TWaveCollection effects;
  effects.LoadFromFile((data / "zvuky.dat").string());
  TDXSound sound(&mixer);
  sound.Attach(effects);
  sound.Initialize();
  mixer.CaptureOutput(true);
  for (const char* song : {"menu.mod", "hudba1.xm", "hudba2.mod", "hudba3.mod"}) {
    FMUSIC_MODULE* module = FMUSIC_LoadSong((data / "mod" / song).c_str());
    FMUSIC_PlaySong(module);
    for (int step = 0; step < 20; ++step) {
      for (int i = 0; i < effects.Count(); ++i) effects.Items(i).Play(false);
      mixer.Advance(250);
    }
    float peak = 0.0f;
    for (float sample : mixer.TakeCapturedOutput()) peak = std::max(peak, std::fabs(sample));
    EXPECT_LT(peak, 0.995f) << song;
    FMUSIC_FreeSong(module);
  }
  FSOUND_Close();
  SetMusicOutput(nullptr);
}
