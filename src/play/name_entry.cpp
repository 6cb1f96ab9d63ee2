// The end screen: the final score and, for a new record, an on-screen keyboard to spell a name.
#include <string>

#include "media/canvas.h"
#include "media/surface.h"
#include "play/cursor_motion.h"
#include "play/game_state.h"
#include "play/modes.h"
#include "play/play_drawing.h"
#include "play/play_keys.h"
#include "play/play_math.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "store/high_scores.h"
#include "text/catalogue.h"
#include "text/font_text.h"
#include "text/strings.h"

namespace {
// 5 rows of 8; the last two cells are the delete ("%") and finish ("&") keys.
const std::string kKeyboard = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.%&";
constexpr size_t kMaxNameLength = 5;
constexpr uint8_t kDeleteCol = 7;
constexpr uint8_t kFinishCol = 8;
constexpr uint8_t kLastRow = 5;
constexpr double kColumnSpacing = 50.0;
constexpr double kRowSpacing = 40.0;
constexpr double kPulseMsPerStep = 3.0;

bool ScoredMode() {
  return Game.GameMode >= 1 && Game.GameMode <= 3;
}
bool KeyboardShown() {
  return ScoredMode() && Game.NewRecord != 0;
}

void GoToHallOfFame() {
  ScreenState = ssHallOfFame;
  ShowMenu(MainLabels, 5, 1);
}

void StartSlide(int32_t key, uint8_t& latch, int8_t& step, bool canMove, int8_t direction) {
  if (!KeyDown(key) || latch != 0 || step != 0) return;
  latch = 1;
  if (canMove) step = direction;
}

void PressSelectedKey() {
  const bool deleteKey = Game.CursorRow == kLastRow && Game.CursorCol == kDeleteCol;
  const bool finishKey = Game.CursorRow == kLastRow && Game.CursorCol == kFinishCol;
  std::string& name = Game.EnteredName;
  if (!deleteKey && !finishKey && name.size() < kMaxNameLength) {
    name += kKeyboard[static_cast<size_t>(8 * (Game.CursorRow - 1) + Game.CursorCol - 1)];
  }
  if (deleteKey && !name.empty()) name.pop_back();
  if (finishKey && !name.empty()) {
    StoreHighScore(HallNames, HallScores, name, static_cast<uint8_t>(Game.GameMode - 1),
                   IntToText(Game.Score));
    LoadHighScores();
    GoToHallOfFame();
  }
}

void HandleKeys() {
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    LatchBack = 1;
    GoToHallOfFame();
    PlaySound("menu_zpet");
  }
  StartSlide(VK_UP, LatchUp, Game.CursorStepY, Game.CursorRow > 1, -1);
  StartSlide(VK_DOWN, LatchDown, Game.CursorStepY, Game.CursorRow < kLastRow, +1);
  StartSlide(VK_LEFT, LatchLeft, Game.CursorStepX, Game.CursorCol > 1, -1);
  StartSlide(VK_RIGHT, LatchRight, Game.CursorStepX, Game.CursorCol < 8, +1);
  if (ConfirmKeyDown() && LatchConfirm == 0 && KeyboardShown()) {
    PlaySound("menu_pohyb");
    LatchConfirm = 1;
    // A press while the selection slides only clicks.
    if (Game.CursorStepX == 0 && Game.CursorStepY == 0) PressSelectedKey();
  }
  if (!KeyDown(VK_UP)) LatchUp = 0;
  if (!KeyDown(VK_DOWN)) LatchDown = 0;
  if (!KeyDown(VK_LEFT)) LatchLeft = 0;
  if (!KeyDown(VK_RIGHT)) LatchRight = 0;
  if (!ConfirmKeyDown()) LatchConfirm = 0;
  if (!KeyDown(VK_ESCAPE)) LatchBack = 0;
}

void DrawCentred(const std::string& font, int32_t y, const std::string& text) {
  DrawFontText(font, CentredX(640, text), y, text);
}

void DrawPanel() {
  TDirectDrawSurfaceCanvas& canvas = BackCanvas();
  canvas.Pen.Color = RGBColor(15, 15, 15);
  for (int32_t i = 1; i <= 279; ++i) {
    canvas.MoveTo(2 * i + 41, 40);
    canvas.LineTo(2 * i + 41, 439);
  }
  for (int32_t i = 1; i <= 199; ++i) {
    canvas.MoveTo(40, 2 * i + 41);
    canvas.LineTo(599, 2 * i + 41);
  }
  canvas.Brush.Style = bsClear;
  canvas.Pen.Color = RGBColor(255, 255, static_cast<uint8_t>(Game.CursorPulse));
  if (ScoredMode() && TenthHallScore() < Game.Score) {
    const int32_t x = 50 * (Game.CursorCol - 1) + RoundEven(Game.CursorOffsetX);
    const int32_t y = 40 * (Game.CursorRow - 1) + RoundEven(Game.CursorOffsetY);
    canvas.Rectangle(133 + x, 91 + y, 159 + x, 119 + y);
  }
  canvas.Pen.Color = clWhite;
  canvas.Rectangle(40, 40, 600, 440);
  canvas.Release();
}

void DrawKeyboardAndName() {
  for (int32_t r = 1; r <= 5; ++r) {
    for (int32_t c = 1; c <= 8; ++c) {
      const std::string glyph(1, kKeyboard[static_cast<size_t>(8 * (r - 1) + c - 1)]);
      const int32_t x = 140 + 50 * (c - 1);
      const int32_t y = 100 + 40 * (r - 1);
      DrawFontText("font2", x, y, glyph);
      DrawFontText("font2", x + 1, y, glyph);
    }
  }
  DrawCentred("font1", 25, Text("gameover"));
  DrawCentred("font1", 310, IntToText(Game.Score));
  DrawCentred("font1", 375, Game.EnteredName);
}

void DrawScoreOnly() {
  DrawCentred("font1", 180, Text("gameover"));
  DrawCentred("font1", 270, IntToText(Game.Score));
}
}  // namespace

bool NameEntryFrame(int32_t lagCount) {
  SlideAxis(Game.CursorOffsetX, Game.CursorStepX, Game.CursorCol, lagCount, kColumnSpacing);
  SlideAxis(Game.CursorOffsetY, Game.CursorStepY, Game.CursorRow, lagCount, kRowSpacing);
  ReadKeyboard();
  HandleKeys();
  if (!MainForm->DXDraw.CanDraw()) return false;
  BackSurface().Fill(0);
  DrawPanel();
  if (KeyboardShown()) {
    DrawKeyboardAndName();
  } else {
    DrawScoreOnly();
  }
  PulseCursor(lagCount, kPulseMsPerStep);
  return true;
}
