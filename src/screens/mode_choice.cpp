// The mode choice: five game modes with the description of the highlighted one.
#include "media/input.h"
#include "play/game_state.h"
#include "play/start_game.h"
#include "screens/menu_common.h"
#include "screens/mode_descriptions.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "text/font_text.h"

namespace {
// The side column and Level follow the highlight, so the play screen starts from a clean column.
void ShowHighlightedModeParameters() {
  Game.QueueCount = 0;
  for (int k = 1; k <= 20; ++k) Game.Queue[k].Kind = 0;
  Game.Level = HlMenu.Selected == 1 ? ArcadeLevels[1] : ModeParams[HlMenu.Selected];
}
}  // namespace

bool ModeChoiceFrame(int32_t) {
  MainForm->DXInput.Update();
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    LatchBack = 1;
    ScreenState = ssMainMenu;
    ShowMenu(MainLabels, 5, HlMenu.Selected);
  }
  MoveHighlight();
  if (ConfirmDown() && LatchConfirm == 0) {
    // StartGame plays "mezihra", takes the latch and switches to the play screen.
    StartGame(HlMenu.Selected);
  }
  ShowHighlightedModeParameters();
  ReleaseLatches(lsUp | lsDown | lsConfirm | lsBack);

  if (!MainForm->DXDraw.CanDraw()) return false;
  DrawMenuBackground();
  DrawMenuLabels(189, 45, HlMenu.Selected, 120);
  DrawMesh(320, 620, 234, 442, RGBColor(16, 16, 16));
  for (int k = 1; k <= 14; ++k) {
    DrawFontText("font2", 330, 230 + 14 * k, ModeDescriptionLine(HlMenu.Selected, k));
  }
  return true;
}
