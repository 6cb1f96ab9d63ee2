// Pieces every menu screen shares: key tests, latch releases, the background, labels and the mesh.
#pragma once
#include <cstdint>

#include "media/color.h"

bool KeyDown(int32_t code);
bool ConfirmDown();  // Enter or Space

// Which latches a screen releases at the end of its key handling.
enum TLatchSet : uint8_t {
  lsUp = 1,
  lsDown = 2,
  lsConfirm = 4,  // released only when Enter and Space are both up
  lsBack = 8,
};
void ReleaseLatches(uint8_t latchSet);

// Up and Down move the highlight of HlMenu, wrapping, with "menu_pohyb". The main menu plays it
// after moving, the other menus before.
enum class TMoveSound { BeforeMove, AfterMove };
void MoveHighlight(TMoveSound sound = TMoveSound::BeforeMove);

// Fills the back surface black and draws the "menu" background.
void DrawMenuBackground();
// Label k of HlMenu at (30, y(k)); the highlighted one opaque, the others at the given alpha.
// highlighted = 0 draws none highlighted.
void DrawMenuLabels(int32_t firstY, int32_t step, uint8_t highlighted, uint8_t alpha);
// Lines at every even x in [x0, x1] from y0 to y1 and every even y in [y0, y1] from x0 to x1,
// each a move-to and line-to, so its end point is not drawn.
void DrawMesh(int32_t x0, int32_t x1, int32_t y0, int32_t y1, TColor color);
