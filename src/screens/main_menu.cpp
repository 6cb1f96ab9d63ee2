// The main menu: start, settings, hall of fame, information, quit.
#include "media/input.h"
#include "screens/menu_common.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "store/high_scores.h"

namespace {
void OpenSelectedItem() {
  switch (HlMenu.Selected) {
    case 1:
      ScreenState = ssModeChoice;
      ShowMenu(ModeLabels, 5, 1);
      break;
    case 2:
      ScreenState = ssSettings;
      ShowMenu(SettingsLabels, 3, 1);
      break;
    case 3:
      LoadHighScores();
      ScreenState = ssHallOfFame;
      break;
    case 4:
      InfoTopLine = 1;
      ScreenState = ssInformation;
      break;
    case 5:
      ScreenState = ssQuitQuestion;
      break;
    default:
      break;
  }
}
}  // namespace

bool MainMenuFrame(int32_t) {
  MainForm->DXInput.Update();
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    ScreenState = ssQuitQuestion;
    LatchBack = 1;
  }
  if (ConfirmDown() && LatchConfirm == 0) {
    PlaySound("menu_ok");
    LatchConfirm = 1;
    OpenSelectedItem();
  }
  MoveHighlight(TMoveSound::AfterMove);
  ReleaseLatches(lsUp | lsDown | lsConfirm | lsBack);

  if (!MainForm->DXDraw.CanDraw()) return false;
  DrawMenuBackground();
  DrawMenuLabels(414 - 45 * HlMenu.ItemCount, 45, HlMenu.Selected, 120);
  return true;
}
