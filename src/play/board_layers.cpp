// Drawing the side column and the board, layer by layer, and the frame with the score.
#include "play/board_layers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "media/canvas.h"
#include "play/game_state.h"
#include "play/play_drawing.h"
#include "play/play_math.h"
#include "shell/screen_state.h"
#include "text/font_text.h"
#include "text/strings.h"

namespace {
std::array<TFramePicture, 6> atomPictures = {TFramePicture(""),      TFramePicture("atom1"),
                                             TFramePicture("atom2"), TFramePicture("atom3"),
                                             TFramePicture("atom4"), TFramePicture("atom5")};
TFramePicture electronPicture("elektron");
TFramePicture horizontalBond("vazbaH");
TFramePicture verticalBond("vazbaV");

void ForgetPictures() {
  for (TFramePicture& picture : atomPictures) picture.Forget();
  electronPicture.Forget();
  horizontalBond.Forget();
  verticalBond.Forget();
}
// The wildcard shows a question mark instead of a number of bond electrons.
const std::array<std::string, 6> kKindGlyphs = {"", "1", "2", "3", "4", "?"};
const std::string kFont1 = "font1";
const std::string kFont2 = "font2";

constexpr double kDegreesPerRadian = 57.29577951;

bool ValidKind(int32_t kind) {
  return kind >= 1 && kind <= 5;
}
bool DigitsOn() {
  return Settings[3] != 0;
}
int32_t CellLeft(int32_t col) {
  return 91 + 40 * (col - 1);
}
int32_t CellTop(int32_t row) {
  return 67 + 40 * (row - 1);
}

void DrawSideColumn() {
  const int count = std::min<int>(Game.QueueCount, 10);
  for (int k = 1; k <= count; ++k) {
    const TQueueEntry& entry = Game.Queue[k];
    if (!ValidKind(entry.Kind)) continue;
    atomPictures[entry.Kind].Draw(587, entry.Y);
    if (DigitsOn()) {
      // Drawn twice a pixel apart to thicken the small glyph.
      DrawFontText(kFont2, 601, entry.Y + 14, kKindGlyphs[entry.Kind]);
      DrawFontText(kFont2, 602, entry.Y + 14, kKindGlyphs[entry.Kind]);
    }
  }
}

void DrawBonds() {
  for (int i = 1; i <= 12; ++i) {
    for (int j = 1; j <= 10; ++j) {
      const TBoardCell& cell = Game.Board[i][j];
      if (cell.BondRight == 1) horizontalBond.Draw(111 + 40 * (i - 1), 83 + 40 * (j - 1));
      if (cell.BondDown == 1) verticalBond.Draw(107 + 40 * (i - 1), 87 + 40 * (j - 1));
    }
  }
}

void DrawAtom(int i, int j, const TBoardCell& cell) {
  const int32_t picture = cell.Kind % 100;
  if (cell.Kind > 0 && ValidKind(picture)) {
    atomPictures[picture].Draw(CellLeft(i), CellTop(j));
  }
  const int32_t n = cell.FreeElectrons;
  for (int32_t k = 1; k <= n; ++k) {
    const TPixelPoint spot = ElectronSpot(i, j, k, n, cell.ElectronAngle);
    electronPicture.Draw(spot.X, spot.Y);
  }
  if (DigitsOn() && ValidKind(picture)) {
    DrawFontText(kFont2, 106 + 40 * (i - 1), 82 + 40 * (j - 1), kKindGlyphs[picture]);
    DrawFontText(kFont2, 105 + 40 * (i - 1), 82 + 40 * (j - 1), kKindGlyphs[picture]);
  }
}

void DrawAtoms() {
  for (int i = 1; i <= 12; ++i) {
    for (int j = 1; j <= 10; ++j) DrawAtom(i, j, Game.Board[i][j]);
  }
}

void DrawBlastDiscs() {
  TDirectDrawSurfaceCanvas& canvas = BackCanvas();
  for (int i = 1; i <= 12; ++i) {
    for (int j = 1; j <= 10; ++j) {
      const TBoardCell& cell = Game.Board[i][j];
      if (cell.Kind <= 5) continue;
      const int32_t cx = 111 + 40 * (i - 1);
      const int32_t cy = 87 + 40 * (j - 1);
      const int32_t r = RoundEven(cell.BlastRadius);
      canvas.Pen.Color = clBlack;
      canvas.Brush.Color = clBlack;
      canvas.Brush.Style = bsSolid;
      canvas.Ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
    }
  }
}
}  // namespace

TPixelPoint ElectronSpot(int32_t col, int32_t row, int32_t k, int32_t n, double angleDeg) {
  const double radians = ((360 / n) * (k - 1) + angleDeg) / kDegreesPerRadian;
  return {109 + 40 * (col - 1) + RoundEven(18 * std::sin(radians)),
          85 + 40 * (row - 1) - RoundEven(18 * std::cos(radians))};
}

void DrawBoardLayers() {
  ForgetPictures();
  DrawSideColumn();
  DrawBonds();
  DrawAtoms();
  DrawBlastDiscs();
}

void DrawFrameAndScore() {
  DrawPicture("plochaL", 0, 0);
  DrawPicture("plochaH", 91, 0);
  DrawPicture("plochaD", 91, 467);
  DrawPicture("plochaS", 571, 67);
  DrawPicture("plochaP", 627, 67);
  DrawFontText(kFont1, 407, 18, IntToPadded('0', 7, Game.Score));
}
