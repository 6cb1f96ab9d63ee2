// The artwork keeps the colour-key rules and leaves clear what the screens draw over.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>

#include "art/palette.h"
#include "art/pictures.h"
#include "paint/layer.h"

namespace {

uint32_t PixelAt(const TPicture& p, int x, int y) {
  return p.Pixels[static_cast<size_t>(y) * p.Width + x];
}
int Brightest(uint32_t pixel) {
  return std::max({(pixel >> 16) & 255u, (pixel >> 8) & 255u, pixel & 255u});
}

TEST(Flatten, KeysFaintPixelsAndKeepsOpaqueOnesOffTheKey) {
  TLayer layer(3, 1);
  layer.At(0, 0) = {0.01f, 0.01f, 0.01f, 0.02f};  // faint glow: becomes the key
  layer.At(1, 0) = {0, 0, 0, 1};                  // opaque black art: must not vanish
  layer.At(2, 0) = {0.5f, 0, 0, 0.5f};            // half-covered red over the backdrop
  const TPicture p = FlattenKeyed(layer, PackPixel(0, 0, 100), 0x000000);
  EXPECT_EQ(p.Pixels[0], 0x000000u);
  EXPECT_NE(p.Pixels[1], 0x000000u) << "opaque black must be nudged off the key";
  EXPECT_EQ(p.Pixels[2], PackPixel(128, 0, 50)) << "edges blend into the backdrop";
}

std::map<std::string, TPictureEntry> Pictures() {
  std::map<std::string, TPictureEntry> map;
  for (TPictureEntry& p : MakeAllPictures()) map[p.Name] = std::move(p);
  return map;
}

class ArtTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { pictures_ = new std::map<std::string, TPictureEntry>(Pictures()); }
  static void TearDownTestSuite() { delete pictures_; }
  static const TPicture& Get(const std::string& name) { return pictures_->at(name).Picture; }
  static std::map<std::string, TPictureEntry>* pictures_;
};
std::map<std::string, TPictureEntry>* ArtTest::pictures_ = nullptr;

// Mean colour of the atom's body, scaled so its brightest channel is 255: the hue, not the
// shading, is what tells the kinds apart.
std::array<double, 3> BodyHue(const TPicture& atom) {
  std::array<double, 3> sum{};
  for (int y = 10; y < 30; ++y) {
    for (int x = 10; x < 30; ++x) {
      const uint32_t p = PixelAt(atom, x, y);
      sum[0] += (p >> 16) & 255, sum[1] += (p >> 8) & 255, sum[2] += p & 255;
    }
  }
  const double top = std::max({sum[0], sum[1], sum[2]});
  for (double& v : sum) v = v * 255 / top;
  return sum;
}

TEST_F(ArtTest, AtomsAreRoundAndTellTheirKindsApartByColour) {
  std::vector<std::array<double, 3>> hues;
  for (int kind = 1; kind <= 5; ++kind) {
    const TPicture& atom = Get("atom" + std::to_string(kind));
    EXPECT_EQ(PixelAt(atom, 0, 0), kKeyPixel) << "corners let the board show through";
    EXPECT_EQ(PixelAt(atom, 39, 39), kKeyPixel);
    EXPECT_NE(PixelAt(atom, 20, 20), kKeyPixel) << "atom " << kind << " body";
    hues.push_back(BodyHue(atom));
  }
  for (size_t a = 0; a < hues.size(); ++a) {
    for (size_t b = a + 1; b < hues.size(); ++b) {
      double distance = 0;
      for (int c = 0; c < 3; ++c) distance += std::fabs(hues[a][c] - hues[b][c]);
      EXPECT_GT(distance, 80) << "atoms " << a + 1 << " and " << b + 1 << " look alike";
    }
  }
}

TEST_F(ArtTest, SideColumnWindowAndOverflowBarStayVisible) {
  const TPicture& side = Get("plochaS");
  // The column's atoms are drawn at x 587..626, the overflow bar at y 132..134.
  for (int y = 0; y < side.Height; ++y) {
    for (int x = 16; x < 56; ++x) ASSERT_EQ(PixelAt(side, x, y), kKeyPixel) << x << "," << y;
  }
  for (int x = 0; x < 16; ++x) EXPECT_NE(PixelAt(side, x, 200), kKeyPixel) << "wall at " << x;
}

TEST_F(ArtTest, StatusFiguresSitOnDarkPanels) {
  const TPicture& top = Get("plochaH");
  struct TField {
    int Left, Cells;
  };
  // Score at (407, 18), seven cells; time at (100, 18), five; molecules at (300, 18), two.
  for (TField field : {TField{407, 7}, TField{100, 5}, TField{300, 2}}) {
    for (int y = 18; y < 49; ++y) {
      for (int x = field.Left; x < field.Left + 31 * field.Cells; ++x) {
        ASSERT_LT(Brightest(PixelAt(top, x - 91, y)), 40)
            << "bright panel under text at " << x << "," << y;
      }
    }
  }
}

TEST_F(ArtTest, FontsHaveInkForEveryPrintableCode) {
  for (const char* name : {"font1", "font2"}) {
    const TPictureEntry& font = pictures_->at(name);
    const int columns = font.Picture.Width / font.PatternWidth;
    for (int code = 33; code <= 95; ++code) {
      const int index = code - 32;
      const int left = (index % columns) * font.PatternWidth,
                top = (index / columns) * font.PatternHeight;
      bool ink = false;
      for (int y = 0; y < font.PatternHeight && !ink; ++y) {
        for (int x = 0; x < font.PatternWidth && !ink; ++x) {
          ink = PixelAt(font.Picture, left + x, top + y) != kKeyPixel;
        }
      }
      EXPECT_TRUE(ink) << name << " has no glyph for code " << code;
    }
  }
}

TEST_F(ArtTest, MenuIsCalmWhereTextIsDrawn) {
  const TPicture& menu = Get("menu");
  auto meanBrightness = [&](int left, int top, int right, int bottom) {
    double sum = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) sum += Brightest(PixelAt(menu, x, y));
    }
    return sum / ((right - left) * (bottom - top));
  };
  EXPECT_LT(meanBrightness(30, 234, 310, 445), 30) << "behind the menu labels";
  EXPECT_LT(meanBrightness(320, 234, 620, 442), 30) << "behind the mode descriptions";
  EXPECT_GT(meanBrightness(120, 25, 520, 85), 50) << "the title should stand out";
}

}  // namespace
