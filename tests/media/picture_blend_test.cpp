// Blended picture draws: the channel arithmetic, scaling by sampling, clipping and early outs.
#include <gtest/gtest.h>

#include <vector>

#include "drawing_fixture.h"
#include "media/color.h"

namespace {

// One channel as the game's blend defines it, written out the slow way.
int RedOrGreen(int s, int d, int a) {
  return (s * a + d * (255 - a)) / 256;
}
int Blue(int s, int d, int a) {
  const int product = (s - d) * a;
  return d + (product >= 0 ? product / 256 : -((-product + 255) / 256));
}

class BlendTest : public DrawingTest {
 protected:
  // A one-pattern picture of one colour.
  TPictureCollectionItem& Solid(uint32_t pixel, int32_t width = 4, int32_t height = 4) {
    TPictureCollectionItem& item = AddPicture("glyph", width, height);
    item.Picture.Pixels.assign(static_cast<size_t>(width) * height, pixel);
    return item;
  }
  // Blends a row of one colour over a row of another; five pixels so that both the four-pixel
  // steps and the single-pixel tail run. Fails when the five come out different.
  uint32_t BlendOnePixel(uint32_t source, uint32_t destination, int32_t alpha) {
    TPictureCollection pictures;
    TPictureCollectionItem& item = pictures.Add();
    item.Picture = {5, 1, std::vector<uint32_t>(5, source)};
    item.Transparent = false;
    item.Initialize();
    item.Restore();
    TDirectDrawSurface dest(5, 1);
    dest.Fill(destination);
    item.DrawBlended(dest, TRect{0, 0, 5, 1}, 0, alpha);
    for (int32_t x = 1; x < 5; ++x) {
      EXPECT_EQ(Hex(dest.Pixels()[x]), Hex(dest.Pixels()[0])) << "pixel " << x << " of 5";
    }
    return dest.Pixels()[0];
  }
};

TEST_F(BlendTest, HalfAlphaGivesTheDocumentedValues) {
  EXPECT_EQ(Hex(BlendOnePixel(0xFFFFFF, 0xFFFFFF, 128)), Hex(0xFEFEFF)) << "white over white";
  EXPECT_EQ(Hex(BlendOnePixel(0xFFFFFF, 0x000000, 128)), Hex(0x7F7F7F)) << "white over black";
}

TEST_F(BlendTest, EveryChannelFollowsItsFormula) {
  const int values[] = {0, 1, 17, 100, 127, 128, 200, 254, 255};
  const int alphas[] = {1, 2, 64, 127, 128, 129, 200, 254};
  for (const int s : values) {
    for (const int d : values) {
      for (const int a : alphas) {
        // Each channel gets different values so that crosstalk between channels shows.
        const uint32_t source = (s << 16) | (d << 8) | (255 - s);
        const uint32_t dest = (d << 16) | (s << 8) | (255 - d);
        const uint32_t expected =
            (RedOrGreen(s, d, a) << 16) | (RedOrGreen(d, s, a) << 8) | Blue(255 - s, 255 - d, a);
        const uint32_t got = BlendOnePixel(source, dest, a);
        ASSERT_EQ(Hex(got), Hex(expected)) << "s " << s << " d " << d << " alpha " << a;
      }
    }
  }
}

TEST_F(BlendTest, AlphaZeroOrNegativeAndEmptyRectanglesDrawNothing) {
  TPictureCollectionItem& item = Solid(0xFFFFFF);
  Ready();
  TDirectDrawSurface& dest = display.Surface();
  dest.Fill(0x101010);
  item.DrawBlended(dest, TRect{0, 0, 4, 4}, 0, 0);
  item.DrawBlended(dest, TRect{0, 0, 4, 4}, 0, -5);
  item.DrawBlended(dest, TRect{4, 0, 4, 4}, 0, 128);
  item.DrawBlended(dest, TRect{0, 4, 4, 0}, 0, 128);
  item.DrawBlended(dest, TRect{640, 0, 700, 4}, 0, 128);
  item.DrawBlended(dest, TRect{0, 0, 4, 4}, 1, 128);
  item.DrawBlended(dest, TRect{0, 0, 4, 4}, -1, 128);
  EXPECT_EQ(CountChanged(dest, 0x101010), 0);
}

TEST_F(BlendTest, FullAlphaMatchesDrawIncludingTransparency) {
  TPictureCollectionItem& item = AddPicture("atom", 80, 40, 40, 40);
  for (int32_t x = 0; x < 80; x += 3) SetPixel(item, x, x % 40, 0);  // black is the key
  Ready();
  TDirectDrawSurface drawn(640, 480), blended(640, 480);
  for (const int32_t alpha : {255, 256, 1000}) {
    drawn.Fill(0x445566);
    blended.Fill(0x445566);
    for (const int32_t x : {-13, 50, 620}) {
      item.Draw(drawn, x, 7, 1);
      item.DrawBlended(blended, TRect{x, 7, x + 40, 47}, 1, alpha);
    }
    int differences = 0;
    for (int32_t i = 0; i < 640 * 480; ++i) differences += drawn.Pixels()[i] != blended.Pixels()[i];
    EXPECT_EQ(differences, 0) << "alpha " << alpha << " differs from Draw";
  }
}

TEST_F(BlendTest, KeyedPixelsAreSkippedAtPartialAlpha) {
  TPictureCollectionItem& item = Solid(0xFFFFFF, 2, 1);
  SetPixel(item, 1, 0, 0);
  Ready();
  TDirectDrawSurface dest(2, 1);
  dest.Fill(0x202020);
  item.DrawBlended(dest, TRect{0, 0, 2, 1}, 0, 100);
  EXPECT_NE(Hex(dest.Pixels()[0]), Hex(0x202020));
  EXPECT_EQ(Hex(dest.Pixels()[1]), Hex(0x202020)) << "key pixel was blended";
}

TEST_F(BlendTest, ScalingSamplesTheNearestSourcePixel) {
  TPictureCollectionItem& item = AddPicture("DK-logo", 4, 3);
  item.Transparent = false;
  Ready();
  TDirectDrawSurface dest(16, 8);

  // Twice the width: every source column twice; same height: rows one to one.
  item.DrawBlended(dest, TRect{0, 0, 8, 3}, 0, 255);
  for (int32_t x = 0; x < 8; ++x) {
    EXPECT_EQ(Hex(dest.Row(1)[x]), Hex(SourcePixel(x / 2, 1))) << "column " << x;
  }
  // Half the size: every other source pixel.
  dest.Fill(0);
  item.DrawBlended(dest, TRect{10, 5, 12, 7}, 0, 255);
  EXPECT_EQ(Hex(dest.Row(5)[10]), Hex(SourcePixel(0, 0)));
  EXPECT_EQ(Hex(dest.Row(5)[11]), Hex(SourcePixel(2, 0)));
  EXPECT_EQ(Hex(dest.Row(6)[11]), Hex(SourcePixel(2, 1)));  // 3 rows into 2: step 1.5
}

TEST_F(BlendTest, ClippedRectangleSamplesFromTheCutOffset) {
  TPictureCollectionItem& item = AddPicture("menu", 40, 20);
  item.Transparent = false;
  Ready();
  TDirectDrawSurface dest(30, 10);
  // 40 columns into 80: step one half; 5 columns cut at the left start at source 2.5 -> 2.
  item.DrawBlended(dest, TRect{-5, -4, 75, 16}, 0, 255);
  EXPECT_EQ(Hex(dest.Row(0)[0]), Hex(SourcePixel(2, 4)));
  EXPECT_EQ(Hex(dest.Row(0)[1]), Hex(SourcePixel(3, 4)));
  EXPECT_EQ(Hex(dest.Row(9)[29]), Hex(SourcePixel(17, 13)));
}

}  // namespace
