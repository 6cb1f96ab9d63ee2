// Picture list: cutting pictures into patterns, the life cycle with the display, lookup by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing_fixture.h"

namespace {

std::string Describe(const TPictureCollectionItem& item) {
  std::string text;
  for (int32_t i = 0; i < item.PatternCount(); ++i) {
    const TRect& r = item.Pattern(i).Rect;
    text += "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
            std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
  }
  return text.empty() ? "none" : text;
}

TEST_F(DrawingTest, PatternsAreCutRowByRowAndPartialOnesDropped) {
  struct Case {
    int32_t width, height, patternWidth, patternHeight, skipWidth, skipHeight;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {120, 40, 40, 40, 0, 0, "(0,0,40,40)(40,0,80,40)(80,0,120,40)"},
      {120, 40, 50, 40, 0, 0, "(0,0,50,40)(50,0,100,40)"},
      {100, 30, 0, 0, 0, 0, "(0,0,100,30)"},
      {100, 30, 100, 30, 0, 0, "(0,0,100,30)"},
      {20, 25, 10, 0, 0, 0, "(0,0,10,25)(10,0,20,25)"},
      // Gaps: (50 + 5) div 15 = 3 columns, (30 + 5) div 15 = 2 rows.
      {50, 30, 10, 10, 5, 5,
       "(0,0,10,10)(15,0,25,10)(30,0,40,10)(0,15,10,25)(15,15,25,25)(30,15,40,25)"},
      {30, 10, 40, 10, 0, 0, "none"},
      // A gap that swallows the pattern step must not divide by zero.
      {30, 10, 10, 10, -10, 0, "none"},
      {0, 0, 0, 0, 0, 0, "none"},
  };
  for (const Case& c : cases) {
    TPictureCollectionItem& item =
        AddPicture("p", c.width, c.height, c.patternWidth, c.patternHeight);
    item.SkipWidth = c.skipWidth;
    item.SkipHeight = c.skipHeight;
    item.Restore();
    EXPECT_EQ(Describe(item), c.expected)
        << c.width << "x" << c.height << " cut " << c.patternWidth << "x" << c.patternHeight
        << " skip " << c.skipWidth << "/" << c.skipHeight;
  }
}

TEST_F(DrawingTest, StoredPatternWidthStaysZeroWhileEffectiveWidthIsThePicture) {
  TPictureCollectionItem& font = AddPicture("font", 90, 12, 0, 12);
  EXPECT_EQ(font.PatternWidth, 0);
  EXPECT_EQ(font.EffectivePatternWidth(), 90);
  EXPECT_EQ(font.EffectivePatternHeight(), 12);
}

TEST_F(DrawingTest, InitializeIsRefusedUntilTheDisplayIsUp) {
  TPictureCollectionItem& item = AddPicture("menu", 4, 4);
  display.Finalize();
  try {
    list.Initialize(&display);
    FAIL() << "expected EPictureCollectionError";
  } catch (const EPictureCollectionError& error) {
    EXPECT_STREQ(error.what(), "TPictureCollection cannot be initialized");
  }
  EXPECT_FALSE(item.Initialized());

  display.Initialize();
  Ready();
  EXPECT_TRUE(item.Initialized());
  EXPECT_EQ(item.PatternCount(), 1);

  list.Finalize();
  EXPECT_FALSE(item.Initialized());
  EXPECT_EQ(item.PatternCount(), 0);
  TDirectDrawSurface dest(8, 8);
  item.Draw(dest, 0, 0, 0);
  EXPECT_EQ(CountChanged(dest, 0), 0) << "a finalized picture must draw nothing";
}

TEST_F(DrawingTest, FindIgnoresCaseAndTheLaterOfTwoSpellingsWins) {
  TPictureCollectionItem& menu = AddPicture("menu", 1, 1);
  EXPECT_EQ(&list.Find("MENU"), &menu);
  EXPECT_EQ(&list.Find("Menu"), &menu);

  TPictureCollectionItem& first = AddPicture("Atom1", 1, 1);
  TPictureCollectionItem& second = AddPicture("ATOM1", 1, 1);
  EXPECT_EQ(&list.Find("atom1"), &second);
  EXPECT_EQ(&list.Find("Atom1"), &second);
  // Naming the first item again makes it the last one named.
  first.SetName("atom1");
  EXPECT_EQ(&list.Find("ATOM1"), &first);

  // Czech capitals fold to their small letters.
  TPictureCollectionItem& czech = AddPicture("\xC8\xC1P", 1, 1);  // "ČÁP"
  EXPECT_EQ(&list.Find("\xE8\xE1p"), &czech);                     // "čáp"
}

TEST_F(DrawingTest, FindReportsTheMissingNameAsAsked) {
  AddPicture("menu", 1, 1);
  try {
    list.Find("Vazba");
    FAIL() << "expected EPictureCollectionError";
  } catch (const EPictureCollectionError& error) {
    EXPECT_STREQ(error.what(), "Image 'Vazba' not found");
  }
  list.Clear();
  EXPECT_EQ(list.FindOrNull("menu"), nullptr) << "cleared items must leave the index";
}

}  // namespace
