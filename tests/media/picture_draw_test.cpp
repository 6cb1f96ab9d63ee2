// Keyed picture draws: clipping at every edge, the colour key, and out-of-range patterns.
#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "media/color.h"

namespace {

constexpr uint32_t kBackground = 0x123456;

class DrawTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    dest = &display.Surface();
    dest->Fill(kBackground);
  }

  // Expects the pattern's pixels from source (sx, sy) on at dest (dx, dy), w x h of them, and
  // the background everywhere else.
  void ExpectCopied(int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    int mismatches = 0;
    for (int32_t y = 0; y < dest->Height(); ++y) {
      for (int32_t x = 0; x < dest->Width(); ++x) {
        const bool inside = x >= dx && x < dx + w && y >= dy && y < dy + h;
        const uint32_t expected = inside ? SourcePixel(sx + x - dx, sy + y - dy) : kBackground;
        const uint32_t got = dest->Row(y)[x];
        if (got != expected && ++mismatches <= 3) {
          ADD_FAILURE() << "at (" << x << "," << y << ") expected " << Hex(expected) << ", got "
                        << Hex(got);
        }
      }
    }
  }

  TDirectDrawSurface* dest = nullptr;
};

TEST_F(DrawTest, ClipsAtEveryEdgeOfTheSurface) {
  // Three 40x40 patterns; pattern 1 starts at source column 40.
  TPictureCollectionItem& item = AddPicture("atom", 120, 40, 40, 40);
  Ready();
  struct Case {
    int32_t x, y;
    int32_t dx, dy, sx, sy, w, h;
  };
  const Case cases[] = {
      {100, 100, 100, 100, 40, 0, 40, 40},  // fully inside
      {-10, 100, 0, 100, 50, 0, 30, 40},    // 10 columns cut at the left
      {635, 100, 635, 100, 40, 0, 5, 40},   // 5 columns land at the right
      {100, -10, 100, 0, 40, 10, 40, 30},   // top
      {100, 475, 100, 475, 40, 0, 40, 5},   // bottom
      {-10, -10, 0, 0, 50, 10, 30, 30},     // corner
      {630, 470, 630, 470, 40, 0, 10, 10},  // other corner
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("draw at (" + std::to_string(c.x) + "," + std::to_string(c.y) + ")");
    dest->Fill(kBackground);
    item.Draw(*dest, c.x, c.y, 1);
    ExpectCopied(c.dx, c.dy, c.sx, c.sy, c.w, c.h);
  }
}

TEST_F(DrawTest, DrawsNothingOffTheSurfaceOrForPatternsOutOfRange) {
  TPictureCollectionItem& item = AddPicture("atom", 120, 40, 40, 40);
  Ready();
  const int32_t positions[][2] = {
      {-40, 0},       {640, 0}, {641, 0}, {0, -40}, {0, 480}, {0, 481}, {-2000000000, -2000000000},
      {2000000000, 0}};
  for (const auto& p : positions) {
    item.Draw(*dest, p[0], p[1], 0);
    EXPECT_EQ(CountChanged(*dest, kBackground), 0) << "draw at (" << p[0] << "," << p[1] << ")";
  }
  item.Draw(*dest, 0, 0, -1);
  item.Draw(*dest, 0, 0, item.PatternCount());
  EXPECT_EQ(CountChanged(*dest, kBackground), 0) << "pattern -1 or == count drew something";
}

TEST_F(DrawTest, ColourKeyedPixelsKeepTheDestination) {
  TPictureCollectionItem& item = AddPicture("elektron", 6, 4);
  // A key pixel at each end of a row and two inside, so runs start and end everywhere.
  const int32_t keyed[][2] = {{0, 0}, {5, 0}, {2, 1}, {3, 1}, {0, 3}};
  item.SetTransparentColor(clFuchsia);
  for (const auto& k : keyed) SetPixel(item, k[0], k[1], ColorToPixel(clFuchsia));
  Ready();

  for (const int32_t x : {10, -2, 637}) {
    SCOPED_TRACE("draw at x " + std::to_string(x));
    dest->Fill(kBackground);
    item.Draw(*dest, x, 10, 0);
    for (int32_t sy = 0; sy < 4; ++sy) {
      for (int32_t sx = 0; sx < 6; ++sx) {
        const int32_t dx = x + sx;
        if (dx < 0 || dx >= 640) continue;
        bool isKey = false;
        for (const auto& k : keyed) isKey |= k[0] == sx && k[1] == sy;
        const uint32_t expected = isKey ? kBackground : SourcePixel(sx, sy);
        EXPECT_EQ(Hex(dest->Row(10 + sy)[dx]), Hex(expected))
            << "source (" << sx << "," << sy << ")";
      }
    }
  }

  // Without transparency the key colour is an ordinary colour.
  item.Transparent = false;
  item.Draw(*dest, 10, 10, 0);
  EXPECT_EQ(Hex(dest->Row(10)[10]), Hex(ColorToPixel(clFuchsia)));
}

TEST_F(DrawTest, ChangingTheKeyOfADrawablePictureTakesEffectAtOnce) {
  TPictureCollectionItem& item = AddPicture("plocha", 3, 1);
  SetPixel(item, 1, 0, 0x00FF00);  // green pixel in the middle; the key starts black
  Ready();
  item.SetTransparentColor(clLime);  // TColor $00FF00 is the pixel $00FF00 as well
  item.Draw(*dest, 0, 0, 0);
  EXPECT_EQ(Hex(dest->Row(0)[1]), Hex(kBackground)) << "the new key was not applied";
  EXPECT_EQ(Hex(dest->Row(0)[0]), Hex(SourcePixel(0, 0)));

  // A system colour key is resolved through the interface colour table: window is white.
  SetPixel(item, 2, 0, 0xFFFFFF);
  item.SetTransparentColor(clSystemColor | 5);
  item.Restore();
  dest->Fill(kBackground);
  item.Draw(*dest, 0, 0, 0);
  EXPECT_EQ(Hex(dest->Row(0)[1]), Hex(0x00FF00));
  EXPECT_EQ(Hex(dest->Row(0)[2]), Hex(kBackground));
}

TEST_F(DrawTest, PictureNotYetInitializedDrawsNothing) {
  TPictureCollectionItem& item = AddPicture("menu", 10, 10);
  item.Restore();
  item.Draw(*dest, 0, 0, 0);
  EXPECT_EQ(CountChanged(*dest, kBackground), 0);
}

}  // namespace
