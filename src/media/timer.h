// The frame timer: calls OnTimer with LagCount, the milliseconds since the previous call (at least
// 1).
#pragma once
#include <cstdint>
#include <functional>

class IClock;

class TDXTimer {
 public:
  explicit TDXTimer(IClock& clock);

  uint32_t Interval = 0;
  bool ActiveOnly = true;
  std::function<void(int32_t lagCount)> OnTimer;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // One idle pass of the message loop: fires OnTimer when a frame is due. Costs one clock read
  // when no frame is due; never sleeps.
  void Tick();
  // The application gained or lost the focus. With ActiveOnly the game freezes while away, and
  // the time away is not handed to the first frame after the return.
  void SetApplicationActive(bool active);
  bool Running() const { return running_; }
  // Whether idle passes should keep coming (the message loop may sleep while this is false).
  bool TickInstalled() const { return tickInstalled_; }

 private:
  void InstallTick();

  IClock& clock_;
  bool enabled_ = false;
  bool running_ = false;
  bool tickInstalled_ = false;
  bool applicationActive_ = true;
  uint32_t lastTick_ = 0;
};
