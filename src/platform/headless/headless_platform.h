// The headless back end: a clock moved by the script, a display that keeps the picture in memory
// and a keyboard that reports exactly the keys of the current frame line.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/backend.h"

class TScriptClock : public IClock {
 public:
  uint32_t Milliseconds() override { return now_; }
  void Advance(uint32_t ms) { now_ += ms; }

 private:
  uint32_t now_ = 0;
};

class THeadlessDisplay : public IDisplayBackend {
 public:
  bool Open(int32_t, int32_t, bool) override { return true; }
  void Close() override {}
  bool CanPresent() override { return Drawable; }
  void Present(const TDirectDrawSurface&) override { ++PresentCount; }

  // "drawable on/off": whether the display can be drawn on in the following frames.
  bool Drawable = true;
  int64_t PresentCount = 0;
};

class THeadlessKeyboard : public IKeyboardBackend {
 public:
  bool IsForeground() override { return true; }
  void ReadKeys(std::array<uint8_t, 256>& keyStates) override;

  // Exactly these keys are down until the next call.
  void Hold(const std::array<bool, 256>& down) { down_ = down; }

 private:
  std::array<bool, 256> down_{};
};
