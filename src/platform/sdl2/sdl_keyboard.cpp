// Reading SDL's keyboard state through the scancode table.
#include "platform/sdl2/sdl_keyboard.h"

#include <SDL.h>

#include "platform/sdl2/sdl_controllers.h"
#include "platform/sdl2/sdl_keymap.h"
#include "platform/sdl2/sdl_window.h"

bool TSdlKeyboard::IsForeground() {
  return window_.HasFocus();
}

void TSdlKeyboard::ReadKeys(std::array<uint8_t, 256>& keyStates) {
  int count = 0;
  const Uint8* down = SDL_GetKeyboardState(&count);
  const bool numLock = (SDL_GetModState() & KMOD_NUM) != 0;
  for (int scancode = 0; scancode < count; ++scancode) {
    if (down[scancode] == 0) continue;
    const auto position = static_cast<SDL_Scancode>(scancode);
    const int32_t key = VirtualKeyOfKey(position, SDL_GetKeyFromScancode(position), numLock);
    if (key == 0) continue;
    keyStates[static_cast<size_t>(key)] |= 0x80;
    if (const int32_t sideless = SidelessModifier(key)) {
      keyStates[static_cast<size_t>(sideless)] |= 0x80;
    }
  }
  if (controllers_ != nullptr) controllers_->AddKeys(keyStates);
  if (swallowEnter_) {
    if ((keyStates[0x0D] & 0x80) == 0) {
      swallowEnter_ = false;
    } else {
      keyStates[0x0D] = 0;
    }
  }
}
