// Where the glyphs of a font text go, and what a missing font does.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "media/picture_list.h"
#include "media/surface.h"
#include "text/font_layout.h"
#include "text/font_text.h"

namespace {
using Placement = std::pair<int32_t, int32_t>;  // pattern index, left edge

std::vector<Placement> Layout(const std::string& text, int32_t x, int32_t advance,
                              int32_t patternCount = 64) {
  std::vector<Placement> placed;
  PlaceGlyphs(PrepareFontText(text), x, advance, patternCount,
              [&](int32_t pattern, int32_t left) { placed.emplace_back(pattern, left); });
  return placed;
}

// Pattern p of the test font is filled with the colour p + 1 (never black, the colour key).
TPictureCollectionItem& AddFont(TPictureCollection& pictures, int32_t width, int32_t height,
                                int32_t patterns) {
  TPictureCollectionItem& font = pictures.Add();
  font.SetName("font2");
  font.PatternWidth = width;
  font.PatternHeight = height;
  font.Picture.Width = width * patterns;
  font.Picture.Height = height;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width * patterns; ++x) font.Picture.Pixels.push_back(x / width + 1);
  }
  font.Initialize();
  font.Restore();
  return font;
}

uint32_t GlyphColour(char c) {
  return static_cast<uint8_t>(c) - 32 + 1;
}
}  // namespace

TEST(FontText, LowerAndUpperCaseDrawTheSameGlyphs) {
  const std::vector<Placement> expected = {
      {'S' - 32, 5}, {'T' - 32, 17}, {'A' - 32, 29}, {'R' - 32, 41}, {'T' - 32, 53}};
  EXPECT_EQ(Layout("start", 5, 12), expected);
  EXPECT_EQ(Layout("START", 5, 12), expected);
  EXPECT_TRUE(Layout("", 5, 12).empty());
}

TEST(FontText, VerticalBarIsDrawnAsBackslash) {
  const std::vector<Placement> expected = {{'A' - 32, 0}, {'\\' - 32, 10}, {'B' - 32, 20}};
  EXPECT_EQ(Layout("a|b", 0, 10), expected);
}

TEST(FontText, CharacterWithoutGlyphLeavesGapOfOneAdvance) {
  // '~' (pattern 94) and the accented byte lie past a 64-pattern font; a tab lies before it.
  const std::vector<Placement> expected = {{'A' - 32, 100}, {'B' - 32, 130}, {'C' - 32, 160}};
  EXPECT_EQ(Layout("A~B\xC8\t", 100, 15).size(), 2u);
  EXPECT_EQ(Layout("A~B\tC", 100, 15), expected);
}

TEST(FontText, AdvanceIsTheStoredPatternWidthEvenWhenZero) {
  const std::vector<Placement> expected = {{'O' - 32, -3}, {'K' - 32, -3}};
  EXPECT_EQ(Layout("ok", -3, 0), expected);
}

TEST(FontText, MissingFontRaisesTheListsError) {
  TPictureCollection pictures;
  TDirectDrawSurface surface(64, 16);
  try {
    DrawFontText(pictures, surface, "font9", 0, 0, "x");
    FAIL() << "expected EPictureCollectionError for a missing font";
  } catch (const EPictureCollectionError& error) {
    EXPECT_STREQ(error.what(), "Image 'font9' not found");
  }
  EXPECT_THROW(DrawFontTextAlpha(pictures, surface, "font9", 0, 0, "x", 255),
               EPictureCollectionError);
}

TEST(FontText, DrawsEachGlyphAtItsAdvanceOntoTheSurface) {
  TPictureCollection pictures;
  AddFont(pictures, 4, 4, 64);
  TDirectDrawSurface surface(24, 8);
  DrawFontText(pictures, surface, "FONT2", 2, 1, "a\x7f|");
  EXPECT_EQ(surface.Row(1)[2], GlyphColour('A'));
  EXPECT_EQ(surface.Row(4)[5], GlyphColour('A'));
  EXPECT_EQ(surface.Row(1)[6], 0u) << "the character past the font leaves a gap";
  EXPECT_EQ(surface.Row(1)[10], GlyphColour('\\')) << "a vertical bar draws as a backslash";
  EXPECT_EQ(surface.Row(5)[10], 0u) << "nothing below the glyph";
}

TEST(FontText, BlendedGlyphCellIsAsHighAsTheAdvance) {
  TPictureCollection pictures;
  AddFont(pictures, 4, 8, 64);  // patterns twice as high as wide
  TDirectDrawSurface opaque(16, 12), blended(16, 12);
  DrawFontText(pictures, opaque, "font2", 0, 0, "B");
  DrawFontTextAlpha(pictures, blended, "font2", 0, 0, "B", 255);
  EXPECT_EQ(blended.Row(3)[0], GlyphColour('B'));
  EXPECT_EQ(blended.Row(4)[0], 0u) << "the cell ends after 4 rows; expected nothing at row 4";
  EXPECT_EQ(opaque.Row(7)[0], GlyphColour('B')) << "the opaque glyph keeps its 8 rows";

  TDirectDrawSurface untouched(16, 12);
  DrawFontTextAlpha(pictures, untouched, "font2", 0, 0, "B", 0);
  EXPECT_EQ(untouched.Row(0)[0], 0u) << "alpha 0 draws nothing";
}
