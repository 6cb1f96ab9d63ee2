// Counting the result time into the score, 500 ms per frame, and the hand-over that follows.
#include "play/result_count.h"

#include "play/game_state.h"
#include "play/modes.h"
#include "play/play_keys.h"
#include "play/play_math.h"
#include "play/side_column.h"
#include "shell/sound_effects.h"

namespace {
constexpr int32_t kResultSlideLimit = 320;

void AddPoints(int64_t points) {
  Game.Score = SaturatingAdd(Game.Score, points);
}

void SubtractPointsFloored(int64_t points) {
  Game.Score = SaturatingAdd(Game.Score, -points);
  if (Game.Score < 0) Game.Score = 0;
}

void StartSlideOut() {
  if (Game.OverlaySlide == 0) Game.OverlaySlide = 1;
}

// True once the texts have slid out of sight.
bool SlideFinished(int32_t lagMs) {
  if (Game.OverlaySlide == 0) return false;
  Game.OverlaySlide = SaturatingAdd(Game.OverlaySlide, lagMs);
  return Game.OverlaySlide / 5 > kResultSlideLimit;
}

// "arkada": the time left, TimeLimit - ResultTime, earns 50 points a second; ResultTime climbs.
void CountArcadeBonus(int32_t lagMs) {
  const int32_t limit = Game.Level.TimeLimit;
  if (Game.StateTime > 2800 && Game.ResultTime < limit && ConfirmKeyDown()) {
    // Half a second into a count, the next whole second is still to be paid.
    if (Game.ResultTime % 1000 == 500) Game.ResultTime -= 500;
    AddPoints((static_cast<int64_t>(limit) - Game.ResultTime) / 1000 * 50);
    Game.ResultTime = limit;
  }
  if (Game.StateTime > 3800) {
    if (Game.ResultTime < limit) {
      Game.ResultTime = SaturatingAdd(Game.ResultTime, 500);
      if (Game.ResultTime % 1000 == 0) AddPoints(50);
    } else {
      StartSlideOut();
    }
  }
  if (!SlideFinished(lagMs)) return;
  if (Game.LevelNumber >= 20) {
    EndGame("uspech");
    return;
  }
  Game.Phase = phBriefing;
  Game.StateTime = 0;
  Game.OverlaySlide = 0;
  Game.ResultTime = 0;
  Game.LevelNumber += 1;
  Game.Level = ArcadeLevels[Game.LevelNumber];
  PlaySound("mezihra");
}

// "bitva" and "destrukce": ResultTime counts down to 0, each whole second worth `perSecond`
// points (negative: a penalty, floored at 0).
void CountDown(int32_t perSecond) {
  const auto pay = [perSecond](int64_t seconds) {
    if (perSecond >= 0) {
      AddPoints(seconds * perSecond);
    } else {
      SubtractPointsFloored(seconds * -perSecond);
    }
  };
  if (Game.StateTime > 1400 && Game.ResultTime > 0 && ConfirmKeyDown()) {
    if (Game.ResultTime % 1000 == 500) Game.ResultTime += 500;
    pay(Game.ResultTime / 1000);
    Game.ResultTime = 0;
  }
  if (Game.StateTime > 2000) {
    if (Game.ResultTime > 0) {
      Game.ResultTime -= 500;
      if (Game.ResultTime % 1000 == 0) pay(1);
    } else {
      StartSlideOut();
    }
  }
}
}  // namespace

void AdvanceResult(int32_t lagMs) {
  DrainSideColumn();
  switch (Game.GameMode) {
    case 1:
      CountArcadeBonus(lagMs);
      break;
    case 2:
      CountDown(50);
      if (SlideFinished(lagMs)) EndGame();
      break;
    case 3:
      CountDown(-10);
      if (SlideFinished(lagMs)) {
        Game.BoardCleared = 1;
        EndGame();
      }
      break;
    default:
      break;
  }
}
