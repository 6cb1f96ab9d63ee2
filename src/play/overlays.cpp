// Briefing and result texts of every mode, with their slide-in, resting heights and slide-out.
#include "play/overlays.h"

#include <string>

#include "play/briefing.h"
#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "play/play_drawing.h"
#include "play/result_count.h"
#include "store/daily_record.h"
#include "text/catalogue.h"
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
  DrawCentred(TextWith("briefing.level", IntToText(Game.LevelNumber)), SlidingY(800, 160));
  if (t > 1200)
    DrawCentred(TextWith("briefing.goal", IntToText(level.MoleculeGoal)), Slide() + 220);
  if (t > 1600 && level.MinMoleculeSize > 0) {
    DrawCentred(TextWith("briefing.minsize", IntToText(level.MinMoleculeSize)), Slide() + 260);
  }
  if (t > level.BriefingDelay) {
    DrawCentred(TextWith("briefing.limit", MinutesSeconds(level.TimeLimit)), Slide() + 300);
  }
}

// The day's challenge names itself and its date above the mode's own text, moving with it.
void DrawDailyTitle(int32_t textY) {
  if (!DailyGame) return;
  DrawCentred(Text("daily.title"), textY - 80);
  DrawCentred(TextWith("daily.date", FormatDailyDate(*DailyGame)), textY - 40);
}

void DrawModeBriefing() {
  if (Game.GameMode < 2 || Game.GameMode > 5) return;
  const int32_t y = SlidingY(Game.Level.BriefingDelay, 220);
  DrawCentred(Text("briefing." + IntToText(Game.GameMode)), y);
  DrawDailyTitle(y);
  if (!DailyGame || Game.StateTime <= Game.Level.BriefingDelay) return;
  if (const auto best = DailyBest(*DailyGame)) {
    DrawCentred(TextWith("daily.best", IntToText(*best)), Slide() + 300);
  }
}

void DrawArcadeResult() {
  const int32_t t = Game.StateTime;
  DrawCentred(Text("result.welldone"), SlidingY(800, 160));
  if (t > 1800) DrawCentred(TextWith("briefing.level", IntToText(Game.LevelNumber)), Slide() + 220);
  if (t > 2300) DrawCentred(Text("result.goalmet"), Slide() + 260);
  if (t > 2800) DrawCentred(MinutesSeconds(Game.Level.TimeLimit - Game.ResultTime), Slide() + 320);
}

void DrawEndResult() {
  const bool failed = Game.GameMode == 3 && Game.BoardCleared == 0;
  const int32_t y = SlidingY(1000, 200);
  DrawCentred(Text(failed ? "result.goalmissed" : "result.welldone"), y);
  DrawDailyTitle(y);
  if (Game.StateTime > 1400) DrawCentred(MinutesSeconds(Game.ResultTime), Slide() + 300);
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
