// Sampling the keyboard: cleared every time, filled only while the game's window has the focus.
#include "media/input.h"

#include "platform/backend.h"

void TKeyboard::Update() {
  if (ForcedKeys != nullptr) {
    KeyStates = *ForcedKeys;
    return;
  }
  KeyStates.fill(0);
  if (!Enabled) return;
  if (ActiveOnly && !backend_.IsForeground()) return;
  backend_.ReadKeys(KeyStates);
}
