// How long mixing one second of output takes with a module playing and eight effects sounding;
// the time per iteration is the share of one second the audio thread spends mixing.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "../tests/sound/sound_test_support.h"
#include "media/mixer.h"
#include "media/music_library.h"

namespace {
// Four channels sounding on every row, so the decoder has real work throughout.
std::vector<uint8_t> BusyModule() {
  std::vector<uint8_t> mod = sound_test::TinyModule(64);
  const size_t patternStart = 20 + 31 * 30 + 2 + 128 + 4;
  const int periods[4] = {428, 339, 285, 214};
  for (int row = 0; row < 63; row += 2) {
    for (int channel = 0; channel < 4; ++channel) {
      uint8_t* cell = &mod[patternStart + (row * 4 + channel) * 4];
      const int period = periods[(row / 2 + channel) % 4];
      cell[0] = static_cast<uint8_t>(period >> 8);
      cell[1] = static_cast<uint8_t>(period & 0xFF);
      cell[2] = 0x10 | (row == 0 && channel == 0 ? 0xF : 0);
      cell[3] = row == 0 && channel == 0 ? 6 : 0;
    }
  }
  return mod;
}

void MixOneSecond(benchmark::State& state) {
  sound_test::ScopedWorkDir dir;
  sound_test::WriteFile(dir.Path() / "busy.mod", BusyModule());
  TMixer mixer(44100);
  SetMusicOutput(&mixer);
  FMUSIC_MODULE* song = FMUSIC_LoadSong("busy.mod");
  if (song == nullptr) state.SkipWithError("the benchmark module did not load");
  FMUSIC_SetLooping(song, -1);
  FMUSIC_PlaySong(song);

  // Eight effects of two seconds each, at different rates, looped so they sound throughout.
  auto samples = std::make_shared<TSampleBuffer>();
  samples->SampleRate = 22050;
  for (int i = 0; i < 44100; ++i) samples->Samples.push_back(0.1f * ((i / 50) % 2 ? 1 : -1));
  for (int voice = 0; voice < 8; ++voice) {
    mixer.StartVoice(mixer.CreateVoice(samples), 18000 + 1000 * voice, -300, 0, true);
  }

  std::vector<float> block(2 * 1024);
  for (auto _ : state) {
    for (int done = 0; done < 44100; done += 1024) mixer.Render(block.data(), 1024);
    benchmark::DoNotOptimize(block.data());
  }
  FSOUND_Close();
  SetMusicOutput(nullptr);
}
BENCHMARK(MixOneSecond)->Unit(benchmark::kMillisecond);
}  // namespace
