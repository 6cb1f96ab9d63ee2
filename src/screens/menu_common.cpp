// Key tests, latch releases, background, labels and mesh shared by the menu screens.
#include "screens/menu_common.h"

#include "media/canvas.h"
#include "media/input.h"
#include "play/play_drawing.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "text/font_text.h"

bool KeyDown(int32_t code) { return MainForm->DXInput.Keyboard.Keys(code); }

bool ConfirmDown() { return KeyDown(VK_RETURN) || KeyDown(VK_SPACE); }

void ReleaseLatches(uint8_t latchSet) {
  if ((latchSet & lsUp) && !KeyDown(VK_UP)) LatchUp = 0;
  if ((latchSet & lsDown) && !KeyDown(VK_DOWN)) LatchDown = 0;
  if ((latchSet & lsConfirm) && !ConfirmDown()) LatchConfirm = 0;
  if ((latchSet & lsBack) && !KeyDown(VK_ESCAPE)) LatchBack = 0;
}

void MoveHighlight() {
  if (KeyDown(VK_UP) && LatchUp == 0) {
    PlaySound("menu_pohyb");
    LatchUp = 1;
    HlMenu.Selected = HlMenu.Selected - 1 == 0 ? HlMenu.ItemCount : HlMenu.Selected - 1;
  }
  if (KeyDown(VK_DOWN) && LatchDown == 0) {
    PlaySound("menu_pohyb");
    LatchDown = 1;
    HlMenu.Selected = HlMenu.Selected + 1 > HlMenu.ItemCount ? 1 : HlMenu.Selected + 1;
  }
}

void DrawMenuBackground() {
  BackSurface().Fill(0);
  MainForm->DXImageList.Items.Find("menu").Draw(BackSurface(), 0, 0, 0);
}

void DrawMenuLabels(int32_t firstY, int32_t step, uint8_t highlighted, uint8_t alpha) {
  for (int32_t k = 1; k <= HlMenu.ItemCount; ++k) {
    const int32_t y = firstY + step * k;
    if (k == highlighted) {
      DrawFontText("font1", 30, y, HlMenu.Items[k]);
    } else {
      DrawFontTextAlpha("font1", 30, y, HlMenu.Items[k], alpha);
    }
  }
}

void DrawMesh(int32_t x0, int32_t x1, int32_t y0, int32_t y1, TColor color) {
  auto& canvas = BackSurface().Canvas();
  canvas.Pen.Color = color;
  for (int32_t x = x0; x <= x1; x += 2) {
    canvas.MoveTo(x, y0);
    canvas.LineTo(x, y1);
  }
  for (int32_t y = y0; y <= y1; y += 2) {
    canvas.MoveTo(x0, y);
    canvas.LineTo(x1, y);
  }
  canvas.Release();
}
