// Which Windows virtual-key code each SDL scancode (a physical key) stands for.
#pragma once
#include <SDL_keycode.h>
#include <SDL_scancode.h>

#include <cstdint>

// The virtual-key code of the key at this position on a US keyboard; 0 for keys Windows gives
// no code. With numLock off the keypad digits are the navigation keys they are labelled with.
int32_t VirtualKeyOfScancode(SDL_Scancode scancode, bool numLock = true);

// The virtual-key code under the active layout, given the key's layout keycode: a key labelled
// with a Latin letter is that letter wherever it sits (the game's M follows its label), a letter
// position showing punctuation is that punctuation key, and a key whose layout has no Latin
// letter (Cyrillic, Greek) keeps its position. Every other key is read by position.
int32_t VirtualKeyOfKey(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock = true);

// For a left or right modifier (160..165), the side-less code Windows also reports (16, 17, 18);
// 0 for any other code.
int32_t SidelessModifier(int32_t virtualKey);
