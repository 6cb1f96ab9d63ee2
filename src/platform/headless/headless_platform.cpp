// The headless keyboard: reports the keys the script holds for the current frame.
#include "platform/headless/headless_platform.h"

void THeadlessKeyboard::ReadKeys(std::array<uint8_t, 256>& keyStates) {
  for (size_t code = 1; code < down_.size(); ++code) {
    if (down_[code]) keyStates[code] |= 0x80;
  }
}
