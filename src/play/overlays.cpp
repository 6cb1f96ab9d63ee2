// Briefing and result texts of every mode, with their slide-in, resting heights and slide-out.
#include "play/overlays.h"

#include <string>

#include "play/briefing.h"
#include "play/game_state.h"
#include "play/play_drawing.h"
#include "play/result_count.h"
#include "text/font_text.h"
#include "text/strings.h"

namespace {
const std::string kFont1 = "font1";
// The overlays centre about x 332.5, a little right of the screen's middle, over the board.
constexpr int32_t kDoubledCentre = 665;

int32_t Slide() {
  return Game.OverlaySlide / 5;
}

// Slides in at 1 pixel per 5 ms until `stopTime`, then rests at `restY`; both move down with E.
int32_t SlidingY(int32_t stopTime, int32_t restY) {
  if (Game.StateTime < stopTime) return (Game.StateTime + Game.OverlaySlide) / 5;
  return Slide() + restY;
}

void DrawCentred(const std::string& text, int32_t y) {
  DrawFontText(kFont1, CentredX(kDoubledCentre, text), y, text);
}

void DrawArcadeBriefing() {
  const TLevelParams& level = Game.Level;
  const int32_t t = Game.StateTime;
  DrawCentred("uroven " + IntToText(Game.LevelNumber), SlidingY(800, 160));
  if (t > 1200) DrawCentred("ukol:" + IntToText(level.MoleculeGoal) + " molekul", Slide() + 220);
  if (t > 1600 && level.MinMoleculeSize > 0) {
    DrawCentred("min.velikost:" + IntToText(level.MinMoleculeSize), Slide() + 260);
  }
  if (t > level.BriefingDelay) {
    DrawFontText(kFont1, 146, Slide() + 300, "limit: " + MinutesSeconds(level.TimeLimit));
  }
}

void DrawModeBriefing() {
  struct Line {
    const char* text;
    int32_t x;
  };
  static const Line kLines[] = {
      {"", 0},           {"", 0}, {"start", 255}, {"jdi do toho", 162}, {"trenink a", 193},
      {"trenink b", 193}};
  if (Game.GameMode >= 6) return;
  const Line& line = kLines[Game.GameMode];
  DrawFontText(kFont1, line.x, SlidingY(Game.Level.BriefingDelay, 220), line.text);
}

void DrawArcadeResult() {
  const int32_t t = Game.StateTime;
  DrawFontText(kFont1, 162, SlidingY(800, 160), "gratulujeme");
  if (t > 1800) DrawCentred("uroven " + IntToText(Game.LevelNumber), Slide() + 220);
  if (t > 2300) DrawFontText(kFont1, 162, Slide() + 260, "ukol splnen");
  if (t > 2800) {
    DrawFontText(kFont1, 255, Slide() + 320,
                 MinutesSeconds(Game.Level.TimeLimit - Game.ResultTime));
  }
}

void DrawEndResult() {
  const bool failed = Game.GameMode == 3 && Game.BoardCleared == 0;
  if (failed) {
    DrawFontText(kFont1, 131, SlidingY(1000, 200), "ukol nesplnen");
  } else {
    DrawFontText(kFont1, 162, SlidingY(1000, 200), "gratulujeme");
  }
  if (Game.StateTime > 1400) {
    DrawFontText(kFont1, 255, Slide() + 300, MinutesSeconds(Game.ResultTime));
  }
}
}  // namespace

void DrawOverlayAndAdvance(int32_t lagMs) {
  if (Game.Phase == phBriefing) {
    if (Game.GameMode == 1) {
      DrawArcadeBriefing();
    } else {
      DrawModeBriefing();
    }
    AdvanceBriefingSlide(lagMs);
  } else if (Game.Phase == phResult) {
    if (Game.GameMode == 1) {
      DrawArcadeResult();
    } else if (Game.GameMode == 2 || Game.GameMode == 3) {
      DrawEndResult();
    }
    AdvanceResult(lagMs);
  }
}
