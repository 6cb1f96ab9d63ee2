// Which Windows virtual-key code each SDL scancode (a physical key) stands for.
#pragma once
#include <SDL_scancode.h>

#include <cstdint>

// The virtual-key code of the key at this position on a US keyboard; 0 for keys Windows gives
// no code. With numLock off the keypad digits are the navigation keys they are labelled with.
int32_t VirtualKeyOfScancode(SDL_Scancode scancode, bool numLock = true);

// For a left or right modifier (160..165), the side-less code Windows also reports (16, 17, 18);
// 0 for any other code.
int32_t SidelessModifier(int32_t virtualKey);
