// The hall of fame: the three tables side by side, Esc back to the main menu; the arrows pick a
// record and Enter or Space watches the game that made it.
#include "screens/hall_of_fame_screen.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "media/canvas.h"
#include "media/input.h"
#include "media/surface.h"
#include "play/play_drawing.h"
#include "replay/replay_shelf.h"
#include "replay/replay_watch.h"
#include "screens/menu_common.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "shell/sound_effects.h"
#include "store/high_scores.h"
#include "text/catalogue.h"
#include "text/font_text.h"

std::string HallOfFameColumn(const std::string& name, const std::string& score) {
  const auto filled = static_cast<int>(name.size() + score.size());
  const int stops = 15 - filled;
  return name + std::string(stops > 0 ? stops : 0, '.') + score;
}

std::string HallOfFameRow(int row) {
  std::string text;
  for (int table = 0; table < 3; ++table) {
    if (table > 0) text += "  ";
    const int entry = 10 * table + row;
    text += HallOfFameColumn(HallNames[entry], HallScores[entry]);
  }
  return text;
}

std::string HallOfFameHeading() {
  std::string text;
  for (int table = 1; table <= 3; ++table) {
    std::string title = Text("hall." + std::to_string(table));
    title.resize(std::max<size_t>(title.size(), 15), ' ');
    text += table < 3 ? title + "  " : title;
  }
  return text;
}

int HallSelection = -1;

namespace {
std::unique_ptr<TReplayWatch> watch;

bool Pressed(int32_t key, uint8_t& latch) {
  if (!KeyDown(key) || latch != 0) return false;
  latch = 1;
  return true;
}

void MoveSelection() {
  const bool up = Pressed(VK_UP, LatchUp);
  const bool down = Pressed(VK_DOWN, LatchDown);
  const bool left = Pressed(VK_LEFT, LatchLeft);
  const bool right = Pressed(VK_RIGHT, LatchRight);
  if (!up && !down && !left && !right) return;
  PlaySound("menu_pohyb");
  if (HallSelection < 0) {
    HallSelection = 0;
    return;
  }
  int table = HallSelection / 10;
  int row = HallSelection % 10;
  row = std::clamp(row + (down ? 1 : 0) - (up ? 1 : 0), 0, 9);
  table = std::clamp(table + (right ? 1 : 0) - (left ? 1 : 0), 0, 2);
  HallSelection = 10 * table + row;
}

void WatchSelectedRecord() {
  if (HallSelection < 0 || !ConfirmDown() || LatchConfirm != 0) return;
  LatchConfirm = 1;
  std::optional<TReplay> replay = ReplayOfRecord(HallSelection);
  if (!replay) return;  // a record from before replays, or a default entry
  try {
    watch = std::make_unique<TReplayWatch>(*MainForm, std::move(*replay), TWatchReturn::HallOfFame);
    PlaySound("menu_ok");
  } catch (const EReplayError&) {
    // Made with other gameplay data: it cannot be played here.
    PlaySound("menu_zpet");
  }
}

void DrawSelection() {
  if (HallSelection < 0) return;
  TDirectDrawSurfaceCanvas& canvas = BackSurface().Canvas();
  canvas.Brush.Style = bsClear;
  canvas.Pen.Color = RGBColor(255, 255, 0);
  const int32_t x = 50 + 17 * 11 * (HallSelection / 10);
  const int32_t y = 145 + 25 * (HallSelection % 10);
  canvas.Rectangle(x - 4, y - 5, x + 15 * 11 + 4, y + 17);
  canvas.Release();
}
}  // namespace

bool HallOfFameFrame(int32_t) {
  if (watch && watch->Finished()) watch.reset();
  MainForm->DXInput.Update();
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    LatchBack = 1;
    ScreenState = ssMainMenu;
    HallSelection = -1;
  }
  MoveSelection();
  WatchSelectedRecord();
  ReleaseLatches(lsBack | lsUp | lsDown | lsConfirm);
  if (!KeyDown(VK_LEFT)) LatchLeft = 0;
  if (!KeyDown(VK_RIGHT)) LatchRight = 0;

  if (!MainForm->DXDraw.CanDraw()) return false;
  DrawMenuBackground();
  DrawMenuLabels(189, 45, 0, 80);
  DrawMesh(40, 600, 100, 440, RGBColor(16, 16, 16));
  DrawFontText("font2", 50, 112, HallOfFameHeading());
  DrawFontText("font2", 50, 125, "---------------  ---------------  ---------------");
  for (int row = 0; row < 10; ++row) DrawFontText("font2", 50, 145 + 25 * row, HallOfFameRow(row));
  DrawFontText("font2", 50, 405, "-------------------------------------------------");
  DrawFontText("font2", 50, 419, Text("back"));
  DrawSelection();
  return true;
}
