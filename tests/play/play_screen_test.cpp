// Pixels the play screen's layout fixes: cursor frames, overflow bar, electrons, blasts, the quit
// raster and the overlay texts' places.
#include "play/game_state.h"
#include "play/play_drawing.h"
#include "play/start_game.h"
#include "play_rig.h"
#include "shell/screen_state.h"

using PlayScreen = PlayRig;

namespace {
uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return r << 16 | g << 8 | b;
}
}  // namespace

TEST_F(PlayScreen, CursorFramePulsesAndHidesOutsidePlay) {
  StartGame(4);
  Frame(16);
  EXPECT_EQ(Pixel(91, 67), 0u) << "no cursor during the briefing";
  StartAndPlay(4);
  Frame(16);
  const uint32_t pulse = static_cast<uint32_t>(Game.CursorPulse);
  for (auto [x, y] : {std::pair{91, 67}, {130, 67}, {91, 106}, {130, 106}}) {
    EXPECT_EQ(Pixel(x, y), Rgb(255, 255, pulse)) << "outer frame at " << x << "," << y;
  }
  for (auto [x, y] : {std::pair{92, 68}, {129, 68}, {92, 105}, {129, 105}}) {
    EXPECT_EQ(Pixel(x, y), Rgb(105, 105, pulse - 50)) << "inner frame at " << x << "," << y;
  }
  EXPECT_EQ(Pixel(110, 87), 0u) << "the frame is hollow";
  EXPECT_EQ(Pixel(131, 107), 0u) << "right and bottom edges are excluded";
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(Pixel(92, 68), 0u) << "no cursor under the quit prompt";
}

TEST_F(PlayScreen, OverflowBarMarksTheTenthPlace) {
  StartAndPlay(4);
  Frame(16);
  EXPECT_EQ(Pixel(591, 132), Rgb(128, 0, 0));
  EXPECT_EQ(Pixel(622, 134), Rgb(128, 0, 0));
  EXPECT_EQ(Pixel(600, 133), Rgb(255, 0, 0)) << "filled red";
  EXPECT_EQ(Pixel(623, 133), 0u);
  EXPECT_EQ(Pixel(600, 135), 0u);
}

TEST_F(PlayScreen, ElectronsOrbitClockwiseFromStraightUp) {
  StartAndPlay(4);
  TBoardCell& cell = Game.Board[3][4];
  cell.Kind = 3;
  cell.FreeElectrons = 3;
  cell.ElectronAngle = 88.0;  // the frame's 16 ms turn it by 2 degrees to 90
  Frame(16);
  // Centre spot (189, 205); 120 degrees apart at 90, 210 and 330 degrees, radius 18.
  for (auto [x, y] : {std::pair{207, 205}, {180, 221}, {180, 189}}) {
    EXPECT_EQ(Pixel(x, y), kElectronPixel) << "electron expected at " << x << "," << y;
  }
  EXPECT_EQ(Pixel(189, 187), kAtomPixel + 3) << "no electron straight up";
}

TEST_F(PlayScreen, BlastDiscCoversTheExplodingAtom) {
  StartAndPlay(4);
  Game.Board[3][4].Kind = 103;
  Game.Board[3][4].BlastRadius = 10.0;
  Frame(16);
  EXPECT_EQ(Pixel(191, 207), 0u) << "black disc at the cell centre";
  EXPECT_EQ(Pixel(171, 187), kAtomPixel + 3) << "the atom still shows outside the disc";
}

TEST_F(PlayScreen, QuitPromptRastersOddRowsAndColumns) {
  StartAndPlay(4);
  Frame(16, {VK_ESCAPE});
  EXPECT_EQ(Pixel(0, 0), kLeftFramePixel);
  EXPECT_EQ(Pixel(2, 4), kLeftFramePixel);
  EXPECT_EQ(Pixel(1, 0), 0u);
  EXPECT_EQ(Pixel(0, 1), 0u);
  EXPECT_EQ(Pixel(3, 3), 0u);
  EXPECT_EQ(Pixel(215, 230), kFontPixel) << "\"KONEC ?\" is drawn over the raster";
}

TEST_F(PlayScreen, BriefingTextSlidesInCentredAndRests) {
  StartGame(1);
  Game.LevelNumber = 9;
  Frame(500);
  EXPECT_EQ(Pixel(208, 100), kFontPixel) << "\"uroven 9\" at x 208, y (T + E) div 5";
  EXPECT_NE(Pixel(207, 100), kFontPixel);
  EXPECT_NE(Pixel(208, 99), kFontPixel);
  Game.LevelNumber = 10;
  Frame(500);
  EXPECT_EQ(Pixel(193, 160), kFontPixel) << "\"uroven 10\" rests at x 193, y 160";
  EXPECT_NE(Pixel(193, 159), kFontPixel);
}

TEST(PlayText, TimesShowMinutesAndSeconds) {
  EXPECT_EQ(MinutesSeconds(60000 - 0), "01:00");
  EXPECT_EQ(MinutesSeconds(60000 - 1000), "00:59");
  EXPECT_EQ(MinutesSeconds(3599999), "59:59");
  EXPECT_EQ(MinutesSeconds(6000000), "100:00");
}
