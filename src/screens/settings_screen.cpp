// The settings screen: music, sound effects and digits on atoms, each "ano" or "ne".
#include "media/input.h"
#include "screens/menu_common.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "text/catalogue.h"
#include "text/font_text.h"

bool SettingsFrame(int32_t) {
  MainForm->DXInput.Update();
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    LatchBack = 1;
    ScreenState = ssMainMenu;
    ShowMenu(MainLabels, 5, 2);
  }
  MoveHighlight();
  if (ConfirmDown() && LatchConfirm == 0) {
    PlaySound("menu_ok");
    LatchConfirm = 1;
    // Entry 0 is never shown; it only absorbs a selection outside the three switches.
    auto& setting = Settings[HlMenu.Selected <= 3 ? HlMenu.Selected : 0];
    setting = setting == 1 ? 0 : 1;
  }
  ReleaseLatches(lsUp | lsDown | lsConfirm | lsBack);

  if (!MainForm->DXDraw.CanDraw()) return false;
  DrawMenuBackground();
  for (int32_t k = 1; k <= 3; ++k) {
    const int32_t y = 414 - 45 * (3 - k);
    if (k == HlMenu.Selected) {
      DrawFontText("font1", 30, y, HlMenu.Items[k]);
    } else {
      DrawFontTextAlpha("font1", 30, y, HlMenu.Items[k], 120);
    }
    const bool on = Settings[k] == 1;
    DrawFontTextAlpha("font1", 240, y, Text("settings.yes"), on ? 255 : 120);
    DrawFontTextAlpha("font1", 364, y, Text("settings.no"), on ? 120 : 255);
  }
  return true;
}
