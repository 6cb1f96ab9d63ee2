// A machine with nothing attached: a clock that stands still, a display that keeps no picture and
// a keyboard with no key down. For windows that run frames given to them (replays, benchmarks).
#pragma once
#include <array>
#include <cstdint>

#include "platform/backend.h"

struct TStillClock : IClock {
  uint32_t Milliseconds() override { return 0; }
};

struct TNoPicture : IDisplayBackend {
  bool Open(int32_t, int32_t, bool) override { return true; }
  void Close() override {}
  bool CanPresent() override { return true; }
  void Present(const TDirectDrawSurface&) override {}
};

struct TNoKeys : IKeyboardBackend {
  bool IsForeground() override { return true; }
  void ReadKeys(std::array<uint8_t, 256>&) override {}
};
