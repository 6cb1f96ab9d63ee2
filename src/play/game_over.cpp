// The game-over screen: the final board keeps animating while black curtains close over it.
#include <algorithm>

#include "media/canvas.h"
#include "media/surface.h"
#include "play/board_layers.h"
#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "play/play_drawing.h"
#include "play/play_math.h"
#include "play/side_column.h"
#include "play/start_game.h"
#include "rules/board.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "text/font_text.h"

namespace {
const std::string kFont1 = "font1";

void DrawFinalTime() {
  if (Game.GameMode == 1) {
    DrawFontText(kFont1, 100, 18, MinutesSeconds(Game.Level.TimeLimit - Game.ResultTime));
    DrawFontText(kFont1, 300, 18, "00");
  } else if ((Game.GameMode == 2 || Game.GameMode == 3) && Game.Phase == phResult) {
    DrawFontText(kFont1, 100, 18, MinutesSeconds(Game.ResultTime));
  }
}

// The curtains meet in the middle after 720 ms.
void DrawCurtains() {
  const int32_t m = std::min(240, Game.StateTime / 3);
  TDirectDrawSurfaceCanvas& canvas = BackCanvas();
  canvas.Pen.Color = clBlack;
  canvas.Brush.Color = clBlack;
  canvas.Brush.Style = bsSolid;
  canvas.Rectangle(0, 0, 640, m);
  canvas.Rectangle(0, 480 - m, 640, 480);
  canvas.Release();
}
}  // namespace

bool GameOverFrame(int32_t lagCount) {
  DrainSideColumn();
  AnimateBoard(lagCount);
  FallSideColumn(lagCount, false);
  Game.StateTime = SaturatingAdd(Game.StateTime, lagCount);
  if (!MainForm->DXDraw.CanDraw()) return false;
  BackSurface().Fill(0);
  DrawBoardLayers();
  BackCanvas().Release();
  DrawFrameAndScore();
  DrawFinalTime();
  DrawCurtains();
  if (Game.StateTime / 3 > 240) {
    if (DailyGame) {
      EndDailyGame();
      ScreenState = ssMainMenu;
      ShowMenu(MainLabels, 5, 1);
      return true;
    }
    ScreenState = ssNameEntry;
    if (Game.NewRecord != 0) PlaySound("rekord");
  }
  return true;
}
