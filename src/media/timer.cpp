// The frame timer: LagCount from the platform's wrapping millisecond clock, frozen while away.
#include "media/timer.h"

#include <algorithm>
#include <limits>

#include "platform/backend.h"

TDXTimer::TDXTimer(IClock& clock) : clock_(clock) {}

void TDXTimer::InstallTick() {
  tickInstalled_ = true;
  lastTick_ = clock_.Milliseconds();
}

void TDXTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (running_) {
    tickInstalled_ = false;
    running_ = false;
  }
  if (!enabled) return;
  if (!ActiveOnly || applicationActive_) InstallTick();
  running_ = true;
}

void TDXTimer::SetApplicationActive(bool active) {
  applicationActive_ = active;
  if (!running_ || !ActiveOnly) return;
  if (!active) {
    tickInstalled_ = false;
  } else if (!tickInstalled_) {
    InstallTick();
  }
}

void TDXTimer::Tick() {
  if (!tickInstalled_) return;
  const uint32_t now = clock_.Milliseconds();
  const uint32_t elapsed = now - lastTick_;  // unsigned: survives the clock's wrap
  if (elapsed < Interval) return;
  lastTick_ = now;
  const uint32_t step = std::max<uint32_t>(Interval, 1);
  // A stall of more than 24 days cannot be told as a signed count; hand over the largest one.
  const uint32_t lag = std::clamp<uint32_t>(elapsed / step, 1, std::numeric_limits<int32_t>::max());
  if (OnTimer) OnTimer(static_cast<int32_t>(lag));
}
