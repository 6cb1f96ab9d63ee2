// The play screen's frame: the update, then the board, cursor, overlays, panel and quit prompt.
#include "play/play_screen.h"

#include "media/canvas.h"
#include "media/surface.h"
#include "play/board_layers.h"
#include "play/game_state.h"
#include "play/overlays.h"
#include "play/play_drawing.h"
#include "play/play_math.h"
#include "play/play_update.h"
#include "play/status_panel.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "text/catalogue.h"
#include "text/font_text.h"

namespace {
void DrawCursor(TDirectDrawSurfaceCanvas& canvas) {
  const int32_t x1 = 91 + 40 * (Game.CursorCol - 1) + RoundEven(Game.CursorOffsetX);
  const int32_t y1 = 67 + 40 * (Game.CursorRow - 1) + RoundEven(Game.CursorOffsetY);
  canvas.Pen.Color = RGBColor(255, 255, static_cast<uint8_t>(Game.CursorPulse));
  canvas.Rectangle(x1, y1, x1 + 40, y1 + 40);
  canvas.Pen.Color = RGBColor(105, 105, static_cast<uint8_t>(Game.CursorPulse - 50));
  canvas.Rectangle(x1 + 1, y1 + 1, x1 + 39, y1 + 39);
}

// Marks the resting height of the tenth atom: one more is an overflow.
void DrawOverflowBar(TDirectDrawSurfaceCanvas& canvas) {
  canvas.Pen.Color = RGBColor(128, 0, 0);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = RGBColor(255, 0, 0);
  canvas.Rectangle(591, 132, 623, 135);
}

// Blackens every odd column and row, a raster that dims the game behind the question.
void DrawQuitPrompt() {
  TDirectDrawSurfaceCanvas& canvas = BackCanvas();
  canvas.Pen.Color = clBlack;
  for (int32_t i = 1; i <= 320; ++i) {
    canvas.MoveTo(2 * i - 1, 0);
    canvas.LineTo(2 * i - 1, 479);
  }
  for (int32_t i = 1; i <= 240; ++i) {
    canvas.MoveTo(0, 2 * i - 1);
    canvas.LineTo(639, 2 * i - 1);
  }
  canvas.Release();
  DrawFontText("font1", CentredX(640, Text("quit")), 225, Text("quit"));
}
}  // namespace

void DrawPlayScreen(int32_t lagMs) {
  BackSurface().Fill(0);
  DrawBoardLayers();
  TDirectDrawSurfaceCanvas& canvas = BackCanvas();
  canvas.Brush.Style = bsClear;
  if (Game.QuitPrompt == 0 && Game.Phase == phPlay) DrawCursor(canvas);
  DrawOverflowBar(canvas);
  canvas.Release();
  // Before the frame pictures, so the texts pass under the top and bottom frames.
  DrawOverlayAndAdvance(lagMs);
  DrawFrameAndScore();
  DrawStatusFields();
  if (Game.QuitPrompt != 0) DrawQuitPrompt();
}

bool PlayFrame(int32_t lagCount) {
  UpdatePlayState(lagCount);
  if (!MainForm->DXDraw.CanDraw()) return false;
  DrawPlayScreen(lagCount);
  return true;
}
