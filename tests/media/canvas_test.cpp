// Canvas drawing and colour conversion: edge conventions of lines and shapes, text background.
#include <gtest/gtest.h>

#include <string>

#include "drawing_fixture.h"
#include "media/canvas.h"
#include "media/color.h"

namespace {

constexpr uint32_t kPaper = 0x0A0B0C;

// The surface as text, one character per pixel: '.' paper, 'P' pen, 'B' brush, '?' other.
std::string Picture(const TDirectDrawSurface& surface, uint32_t pen, uint32_t brush) {
  std::string text;
  for (int32_t y = 0; y < surface.Height(); ++y) {
    for (int32_t x = 0; x < surface.Width(); ++x) {
      const uint32_t p = surface.Row(y)[x];
      text += p == kPaper ? '.' : p == pen ? 'P' : p == brush ? 'B' : '?';
    }
    text += '\n';
  }
  return text;
}

TEST(ColorTest, ConvertsToPixelsAndResolvesSystemColours) {
  EXPECT_EQ(Hex(ColorToPixel(0x00332211)), Hex(0x112233));
  EXPECT_EQ(Hex(ColorToPixel(RGBColor(255, 255, 0))), Hex(0xFFFF00));
  EXPECT_EQ(Hex(ColorToRGB(clWindowText)), Hex(0x000000));
  EXPECT_EQ(Hex(ColorToRGB(clSystemColor | 15)), Hex(0xC0C0C0)) << "button face";
  EXPECT_EQ(Hex(ColorToRGB(clSystemColor | 5)), Hex(0xFFFFFF)) << "window";
  EXPECT_EQ(Hex(ColorToPixel(clSystemColor | 24)), Hex(0xFFFFE1)) << "tooltip background";
}

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : surface(8, 6), canvas(surface.Canvas()) {
    surface.Fill(kPaper);
    canvas.Pen.Color = RGBColor(255, 0, 0);
    canvas.Brush.Color = RGBColor(0, 0, 255);
  }
  std::string Drawn() { return Picture(surface, 0xFF0000, 0x0000FF); }

  TDirectDrawSurface surface;
  TDirectDrawSurfaceCanvas& canvas;
};

TEST(CanvasDefaults, StartLikeAFreshPlatformCanvas) {
  TDirectDrawSurface surface(1, 1);
  TDirectDrawSurfaceCanvas& canvas = surface.Canvas();
  EXPECT_EQ(canvas.Pen.Color, clBlack);
  EXPECT_EQ(canvas.Brush.Color, clWhite);
  EXPECT_EQ(canvas.Brush.Style, bsSolid);
  EXPECT_EQ(canvas.Font.Color, clWindowText);
  EXPECT_EQ(&surface.Canvas(), &canvas) << "the canvas is kept for the life of the surface";
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPointAndMoveThePen) {
  canvas.MoveTo(1, 1);
  canvas.LineTo(5, 1);
  canvas.LineTo(5, 4);
  canvas.LineTo(2, 1);  // diagonal back up-left
  canvas.Release();
  EXPECT_EQ(Drawn(),
            "........\n"
            ".PPPPP..\n"
            "...P.P..\n"
            "....PP..\n"
            ".....P..\n"
            "........\n");
}

TEST_F(CanvasTest, LinesFromFarOffTheSurfaceDrawOnlyTheirVisiblePart) {
  canvas.MoveTo(-2000000000, 2);
  canvas.LineTo(2000000000, 2);
  canvas.MoveTo(3, 2000000000);
  canvas.LineTo(3, -2000000000);
  EXPECT_EQ(Drawn(),
            "...P....\n"
            "...P....\n"
            "PPPPPPPP\n"
            "...P....\n"
            "...P....\n"
            "...P....\n");
}

TEST_F(CanvasTest, RectangleLeavesOutRightAndBottomEdges) {
  canvas.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Drawn(),
            "........\n"
            ".PPPPP..\n"
            ".PBBBP..\n"
            ".PBBBP..\n"
            ".PPPPP..\n"
            "........\n");
  surface.Fill(kPaper);
  canvas.Brush.Style = bsClear;
  canvas.Rectangle(6, 5, 1, 1);  // corners given the other way round
  EXPECT_EQ(Drawn(),
            "........\n"
            ".PPPPP..\n"
            ".P...P..\n"
            ".P...P..\n"
            ".PPPPP..\n"
            "........\n");
}

TEST_F(CanvasTest, EllipseFitsItsBoxWithAClosedOutline) {
  TDirectDrawSurface big(9, 9);
  big.Fill(kPaper);
  TDirectDrawSurfaceCanvas& c = big.Canvas();
  c.Pen.Color = RGBColor(255, 0, 0);
  c.Brush.Color = RGBColor(0, 0, 255);
  c.Ellipse(1, 1, 8, 8);  // the blast disc of radius 3 around (4, 4)
  EXPECT_EQ(Picture(big, 0xFF0000, 0x0000FF),
            ".........\n"
            "...PPP...\n"
            "..PBBBP..\n"
            ".PBBBBBP.\n"
            ".PBBBBBP.\n"
            ".PBBBBBP.\n"
            "..PBBBP..\n"
            "...PPP...\n"
            ".........\n");
  big.Fill(kPaper);
  c.Ellipse(4, 4, 5, 5);  // radius 0: one pixel
  EXPECT_EQ(CountChanged(big, kPaper), 1);
  EXPECT_EQ(big.Row(4)[4], 0xFF0000u);
}

TEST_F(CanvasTest, TextBackgroundIsFilledOnlyWithASolidBrush) {
  TDirectDrawSurface wide(80, 20);
  TDirectDrawSurfaceCanvas& c = wide.Canvas();
  c.Font.Color = clWhite;
  c.Brush.Color = clBlack;

  wide.Fill(kPaper);
  c.Brush.Style = bsClear;
  c.TextOut(2, 3, "\x8Eluv");  // "Žluv"
  int ink = 0, other = 0;
  for (int32_t i = 0; i < 80 * 20; ++i) {
    const uint32_t p = wide.Pixels()[i];
    ink += p == 0xFFFFFF;
    other += p != 0xFFFFFF && p != kPaper;
  }
  EXPECT_GT(ink, 10) << "the text left too little ink";
  EXPECT_EQ(other, 0) << "a clear brush must leave the background alone";
  // The caron of the capital sits above the letter, inside the text's top rows.
  bool markAboveCapital = false;
  for (int32_t x = 2; x < 12; ++x) markAboveCapital |= wide.Row(3)[x] == 0xFFFFFF;
  EXPECT_TRUE(markAboveCapital) << "no accent drawn on the top row of the capital";

  wide.Fill(kPaper);
  c.Brush.Style = bsSolid;
  c.TextOut(2, 3, "\x8Eluv");
  int box = 0;
  for (int32_t i = 0; i < 80 * 20; ++i) box += wide.Pixels()[i] != kPaper;
  EXPECT_EQ(wide.Row(3)[2] == kPaper, false) << "solid brush left the box corner unpainted";
  EXPECT_EQ(wide.Row(2)[2], kPaper) << "box reaches above the text";
  EXPECT_EQ(wide.Row(3)[1], kPaper) << "box reaches left of the text";
  EXPECT_EQ(box % 13, 0) << "the box should be 13 rows high, covered " << box << " pixels";
}

}  // namespace
