// The information pages: 32 lines scrolled with Up and Down, 23 on show.
#include "media/input.h"
#include "screens/information_text.h"
#include "screens/menu_common.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "text/font_text.h"

namespace {
constexpr int32_t kLineCount = 32;
constexpr int32_t kVisibleLines = 23;
constexpr int32_t kLastTopLine = kLineCount - kVisibleLines + 1;
}  // namespace

bool InformationFrame(int32_t) {
  MainForm->DXInput.Update();
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    LatchBack = 1;
    ScreenState = ssMainMenu;
  }
  if (KeyDown(VK_UP) && LatchUp == 0) {
    LatchUp = 1;
    if (--InfoTopLine < 1) InfoTopLine = 1;
  }
  if (KeyDown(VK_DOWN) && LatchDown == 0) {
    LatchDown = 1;
    if (++InfoTopLine > kLastTopLine) InfoTopLine = kLastTopLine;
  }
  ReleaseLatches(lsUp | lsDown | lsBack);

  if (!MainForm->DXDraw.CanDraw()) return false;
  DrawMenuBackground();
  DrawMenuLabels(189, 45, 0, 90);
  DrawMesh(40, 600, 100, 440, RGBColor(16, 16, 16));
  if (InfoTopLine > 1) DrawFontText("font2", 590, 102, "^");
  if (InfoTopLine + kVisibleLines - 1 < kLineCount) DrawFontText("font2", 590, 428, "_");
  for (int32_t i = InfoTopLine; i <= InfoTopLine + kVisibleLines - 1 && i <= kLineCount; ++i) {
    DrawFontText("font2", 48, 112 + 14 * (i - InfoTopLine), InformationLine(i));
  }
  return true;
}
