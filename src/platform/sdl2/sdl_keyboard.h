// The SDL keyboard: the held physical keys as Windows virtual-key codes, while the window has
// the focus.
#pragma once
#include "platform/backend.h"

class TSdlControllers;
class TSdlWindow;

class TSdlKeyboard : public IKeyboardBackend {
 public:
  explicit TSdlKeyboard(const TSdlWindow& window) : window_(window) {}
  bool IsForeground() override;
  void ReadKeys(std::array<uint8_t, 256>& keyStates) override;
  // Alt+Enter switched the display: that Enter reads up until it is released, so it does not
  // also confirm whatever the game shows.
  void SwallowEnter() { swallowEnter_ = true; }
  // Controllers read as more keys down.
  void UseControllers(const TSdlControllers* controllers) { controllers_ = controllers; }

 private:
  const TSdlWindow& window_;
  bool swallowEnter_ = false;
  const TSdlControllers* controllers_ = nullptr;
};
