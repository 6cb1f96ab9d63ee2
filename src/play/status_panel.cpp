// The time and molecule fields at the top of the play screen.
#include "play/status_panel.h"

#include "play/game_state.h"
#include "play/play_drawing.h"
#include "text/font_text.h"
#include "text/strings.h"

namespace {
const std::string kFont1 = "font1";

void DrawFields(int32_t timeMs, const std::string& molecules) {
  DrawFontText(kFont1, 100, 18, MinutesSeconds(timeMs));
  if (!molecules.empty()) DrawFontText(kFont1, 300, 18, molecules);
}

std::string MoleculesLeft() {
  return IntToPadded('0', 2, Game.Level.MoleculeGoal - Game.MoleculesMade);
}

void DrawArcadeFields() {
  if (Game.Phase == phPlay) {
    // The time left counts down in whole elapsed seconds.
    DrawFields(Game.Level.TimeLimit - Game.StateTime / 1000 * 1000, MoleculesLeft());
  } else if (Game.Phase == phBriefing && Game.StateTime > 2000) {
    DrawFields(Game.Level.TimeLimit, MoleculesLeft());
  } else {
    DrawFields(Game.Level.TimeLimit - Game.ResultTime, "00");
  }
}

void DrawElapsedField() {
  switch (Game.Phase) {
    case phPlay:
      DrawFontText(kFont1, 100, 18, MinutesSeconds(Game.StateTime));
      break;
    case phResult:
      DrawFontText(kFont1, 100, 18, MinutesSeconds(Game.ResultTime));
      break;
    default:
      DrawFontText(kFont1, 100, 18, "00:00");
      break;
  }
}
}  // namespace

void DrawStatusFields() {
  switch (Game.GameMode) {
    case 1:
      DrawArcadeFields();
      break;
    case 2:
    case 3:
      DrawElapsedField();
      break;
    default:
      break;  // the training modes show no time
  }
}
