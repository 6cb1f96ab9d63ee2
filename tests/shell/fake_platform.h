// Back ends for tests: a hand-moved clock, a display that counts what it was asked, and a keyboard
// whose keys and focus the test sets.
#pragma once
#include <array>
#include <cstdint>
#include <set>

#include "platform/backend.h"

class FakeClock : public IClock {
 public:
  uint32_t Milliseconds() override { return now; }
  uint32_t now = 0;
};

class FakeDisplay : public IDisplayBackend {
 public:
  bool Open(int32_t, int32_t, bool fullScreen) override {
    ++opens;
    openedFullScreen = fullScreen;
    return canOpen;
  }
  void Close() override { ++closes; }
  bool CanPresent() override { return presentable; }
  void Present(const TDirectDrawSurface&) override { ++presents; }
  bool SurfacesLost() override { return lost; }
  bool RestoreSurfaces() override {
    ++restores;
    lost = !restorable;
    return restorable;
  }

  bool canOpen = true;
  bool presentable = true;
  bool lost = false;
  bool restorable = true;
  bool openedFullScreen = false;
  int opens = 0;
  int closes = 0;
  int presents = 0;
  int restores = 0;
};

class FakeKeyboard : public IKeyboardBackend {
 public:
  bool IsForeground() override { return foreground; }
  void ReadKeys(std::array<uint8_t, 256>& keyStates) override {
    for (int32_t code : down) keyStates[static_cast<size_t>(code)] |= 0x80;
  }

  bool foreground = true;
  std::set<int32_t> down;
};
