// The play screens' view of the keyboard: the state sampled at the last update, key by key.
#pragma once
#include <cstdint>

#include "media/input.h"
#include "shell/main_form.h"

inline bool KeyDown(int32_t code) {
  return MainForm->DXInput.Keyboard.Keys(code);
}
inline bool ConfirmKeyDown() {
  return KeyDown(VK_SPACE) || KeyDown(VK_RETURN);
}
inline void ReadKeyboard() {
  MainForm->DXInput.Update();
}
