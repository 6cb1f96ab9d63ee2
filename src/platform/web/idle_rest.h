// A screen off the play screen whose picture has stood still for a while is waiting for a key:
// the page then runs the game's frame only every kRestingPeriodMs, and the time between is handed
// on as one longer lag, which every screen takes. A key, a focus change or a new picture brings
// back every animation frame at once, so the first key is read at the next one. Play never rests:
// its first moving frame must not be late.
#pragma once

class TIdleRest {
 public:
  static constexpr double kStillBeforeRestMs = 500;
  static constexpr int kRestingPeriodMs = 200;

  void Wake(double now) { lastWake_ = now; }
  bool Resting(double now, bool mayRest) const {
    return mayRest && now - lastWake_ >= kStillBeforeRestMs;
  }

  // While every animation frame comes: whether the one at `now` runs the game's frame. Under a
  // whole period, so that at 60 Hz every twelfth runs despite jitter.
  bool FrameDue(double now, bool resting) {
    if (resting && now - lastFrame_ < kRestingPeriodMs - 10) return false;
    lastFrame_ = now;
    return true;
  }

 private:
  double lastWake_ = 0;
  double lastFrame_ = 0;
};
