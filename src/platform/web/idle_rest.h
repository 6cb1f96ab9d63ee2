// A screen off the play screen whose picture has stood still for a while is waiting for a key:
// the page then runs the game's frame only every kRestingPeriodMs, and the time between is handed
// on as one longer lag, which every screen takes. A key, a focus change or a new picture brings
// back every animation frame at once, so the first key is read at the next one. Play never rests:
// its first moving frame must not be late.
#pragma once

class TIdleRest {
 public:
  static constexpr double kStillBeforeRestMs = 500;
  // Under a whole 200 ms, so that at 60 Hz every twelfth animation frame runs despite jitter.
  static constexpr double kRestingPeriodMs = 190;

  void Wake(double now) { lastWake_ = now; }

  // Whether the animation frame at `now` runs the game's frame.
  bool FrameDue(double now, bool mayRest) {
    const bool resting = mayRest && now - lastWake_ >= kStillBeforeRestMs;
    if (resting && now - lastFrame_ < kRestingPeriodMs) return false;
    lastFrame_ = now;
    return true;
  }

 private:
  double lastWake_ = 0;
  double lastFrame_ = 0;
};
