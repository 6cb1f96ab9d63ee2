// The hall of fame: the three tables side by side, Esc back to the main menu.
#include "screens/hall_of_fame_screen.h"

#include <algorithm>

#include "media/input.h"
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

bool HallOfFameFrame(int32_t) {
  MainForm->DXInput.Update();
  if (KeyDown(VK_ESCAPE) && LatchBack == 0) {
    PlaySound("menu_zpet");
    LatchBack = 1;
    ScreenState = ssMainMenu;
  }
  ReleaseLatches(lsBack);

  if (!MainForm->DXDraw.CanDraw()) return false;
  DrawMenuBackground();
  DrawMenuLabels(189, 45, 0, 80);
  DrawMesh(40, 600, 100, 440, RGBColor(16, 16, 16));
  DrawFontText("font2", 50, 112, HallOfFameHeading());
  DrawFontText("font2", 50, 125, "---------------  ---------------  ---------------");
  for (int row = 0; row < 10; ++row) DrawFontText("font2", 50, 145 + 25 * row, HallOfFameRow(row));
  DrawFontText("font2", 50, 405, "-------------------------------------------------");
  DrawFontText("font2", 50, 419, Text("back"));
  return true;
}
