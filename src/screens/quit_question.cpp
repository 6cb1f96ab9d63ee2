// The quit question "KONEC ?" over the darkened menu.
#include "media/input.h"
#include "play/play_drawing.h"
#include "screens/menu_common.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "text/catalogue.h"
#include "text/font_text.h"

bool QuitQuestionFrame(int32_t) {
  MainForm->DXInput.Update();
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    LatchBack = 1;
    ScreenState = ssMainMenu;
  }
  if (ConfirmDown() && LatchConfirm == 0) {
    PlaySound("menu_ok");
    LatchConfirm = 1;
    MainForm->Close();
  }
  ReleaseLatches(lsConfirm | lsBack);

  if (!MainForm->DXDraw.CanDraw()) return false;
  DrawMenuBackground();
  DrawMenuLabels(189, 45, 0, 120);
  // Black lines on every even row and column darken the whole picture.
  DrawMesh(0, 640, 0, 480, clBlack);
  DrawFontText("font1", CentredX(640, Text("quit")), 225, Text("quit"));
  return true;
}
