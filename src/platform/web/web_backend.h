// The browser back end: the page's clock, its one canvas and the keys its listeners report.
// The page's script (page/*.js) owns the DOM; these classes only hand it data.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "platform/backend.h"

// The page's clock moves once per animation frame by the time since the last one, but never by
// more than kLongestStepMs: a stalled tab or a debugger is a pause, not a leap of the game.
class TWebClock : public IClock {
 public:
  static constexpr double kLongestStepMs = 250;

  uint32_t Milliseconds() override;
  void Advance();
  // From now on the clock reads a time moved only by MoveByHand (tests play scripted frames).
  void TakeByHand();
  void MoveByHand(int32_t ms) { handNow_ += ms; }
  bool ByHand() const { return byHand_; }

 private:
  double elapsed_ = 0;
  double last_ = -1;
  bool byHand_ = false;
  double handNow_ = 0;
};

class TWebDisplay : public IDisplayBackend {
 public:
  bool Open(int32_t width, int32_t height, bool fullScreen) override;
  void Close() override {}
  bool CanPresent() override { return true; }
  // Hands the picture to the page as RGBA bytes; the page scales it onto the canvas. A picture
  // equal to the last one is not handed on: the canvas still shows it.
  void Present(const TDirectDrawSurface& surface) override;
  // How many pictures have been handed on: a change says the picture moved.
  uint32_t PicturesShown() const { return picturesShown_; }

 private:
  uint32_t picturesShown_ = 0;
  std::vector<uint32_t> shown_;
  std::vector<uint8_t> rgba_;
};

// Keys arrive as virtual-key codes from the page's keyboard, touch and game-pad listeners.
class TWebKeyboard : public IKeyboardBackend {
 public:
  bool IsForeground() override { return foreground_; }
  void ReadKeys(std::array<uint8_t, 256>& keyStates) override;

  void SetKey(int32_t virtualKey, bool down);
  // Leaving the page releases every key: its keyup would never reach us.
  void SetForeground(bool foreground);

 private:
  std::array<bool, 256> down_{};
  bool foreground_ = true;
};
