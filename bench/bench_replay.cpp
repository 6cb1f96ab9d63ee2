// Verifying a ten-minute game (as brunival-headless --verify plays it: no mixer, a one-pixel
// back surface) against real time, and what recording adds to one frame.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "platform/null_backend.h"
#include "replay/frame_recorder.h"
#include "replay/gameplay_fingerprint.h"
#include "replay/replay_check.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"

namespace {
constexpr int kTenMinutesOfFrames = 36000;

// "trenink a" (it never ends by itself) with a player's pace of keys at 60 frames a second.
TReplay TenMinuteGame() {
  TReplay replay;
  replay.GameplayFingerprint = GameplayFingerprint();
  replay.Start = {7, 0, 4, 0, {1, 1, 1}};
  std::mt19937 random(26);
  constexpr uint16_t kPlayKeys[] = {1u << 2, 1u << 3, 1u << 4, 1u << 5, 1u << 6};
  replay.Frames.push_back({16, 1, true, false});  // Enter starts the mode
  for (int i = 1; i < kTenMinutesOfFrames; ++i) {
    const uint16_t keys = random() % 10 < 3 ? kPlayKeys[random() % 5] : 0;
    replay.Frames.push_back({i % 3 == 2 ? 16 : 17, keys, true, false});
  }
  return replay;
}

// The data set the build makes; the game reads it from the working directory.
bool EnterDataFolder(benchmark::State& state) {
  std::error_code error;
  std::filesystem::current_path(BRUNIVAL_BENCH_DATA, error);
  if (error) state.SkipWithError("no data set in " BRUNIVAL_BENCH_DATA);
  return !error;
}

void BM_VerifyTenMinuteGame(benchmark::State& state) {
  if (!EnterDataFolder(state)) return;
  TReplay replay;
  {
    // The fingerprint needs the levels loaded; the empty replay itself is refused.
    try {
      TReplayCheck loader(replay);
    } catch (const EReplayError&) {
    }
  }
  replay = TenMinuteGame();
  for (auto _ : state) {
    TReplayCheck check(replay);
    benchmark::DoNotOptimize(check.Reached());
  }
  state.counters["x_real_time"] = benchmark::Counter(
      600.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_VerifyTenMinuteGame)->Unit(benchmark::kMillisecond)->Iterations(3);

// The recorder's share of a frame while a game is being recorded.
void BM_RecordOneFrame(benchmark::State& state) {
  TStillClock clock;
  TNoPicture display;
  TNoKeys keys;
  TMainForm form(TPlatform{clock, display, keys, nullptr});
  ScreenState = ssModeChoice;
  {
    TReplayFrameScope start(form, 16);
    ScreenState = ssPlay;
  }
  for (auto _ : state) {
    TReplayFrameScope frame(form, 16);
    frame.SetDrew(true);
  }
  ReplayWindowClosing();
  ScreenState = ssIntro;
}
BENCHMARK(BM_RecordOneFrame);
}  // namespace
