// The display's life cycle: set-up order with its image lists, failure, the drawable test, the
// flip.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "media/display.h"
#include "media/picture_list.h"

namespace {
class DisplayTest : public ::testing::Test {
 protected:
  DisplayTest() : draw(backend) {
    draw.Attach(pictures);
    TPictureCollectionItem& item = pictures.Add();
    item.SetName("ctverec");
    item.Picture = {2, 2, {1, 2, 3, 4}};
  }
  TPictureCollectionItem& Item() { return pictures.Find("ctverec"); }

  FakeDisplay backend;
  TPictureCollection pictures;
  TDXDraw draw;
};

TEST_F(DisplayTest, SetUpInitializesTheListsThenFiresOnInitializeThenRestores) {
  bool fired = false;
  draw.OnInitialize = [&] {
    fired = true;
    EXPECT_TRUE(draw.Initialized());
    EXPECT_TRUE(Item().Initialized()) << "lists are initialized before OnInitialize";
    EXPECT_EQ(Item().PatternCount(), 0) << "and restored only after it";
  };
  draw.Options = doFullScreen;
  draw.Initialize();
  EXPECT_TRUE(fired);
  EXPECT_TRUE(backend.openedFullScreen);
  EXPECT_GT(Item().PatternCount(), 0) << "pictures restored at the end of the set-up";
  EXPECT_EQ(draw.Surface().Width(), 640);
  EXPECT_EQ(draw.Surface().Height(), 480);
}

TEST_F(DisplayTest, SetUpTearsDownFirstAndTearDownRunsOnce) {
  int finalized = 0;
  draw.OnFinalize = [&] { ++finalized; };
  draw.Initialize();
  draw.Initialize();
  EXPECT_EQ(finalized, 1) << "a second set-up tears the first one down";
  EXPECT_EQ(backend.closes, 1);
  draw.Finalize();
  draw.Finalize();
  EXPECT_EQ(finalized, 2) << "tear-down only when set up";
  EXPECT_FALSE(draw.Initialized());
  EXPECT_FALSE(Item().Initialized());
}

TEST_F(DisplayTest, AFailedSetUpRaisesAndLeavesTheDisplayDown) {
  backend.canOpen = false;
  bool fired = false;
  draw.OnInitialize = [&] { fired = true; };
  try {
    draw.Initialize();
    FAIL() << "expected EDirectDrawError";
  } catch (const EDirectDrawError& error) {
    EXPECT_STREQ(error.what(), "Display mode cannot be changed (640x480 32bit)");
  }
  EXPECT_FALSE(fired);
  EXPECT_FALSE(draw.Initialized());
  EXPECT_FALSE(draw.CanDraw());
}

TEST_F(DisplayTest, FlipsOnlyWhatCanBeShown) {
  draw.Flip();
  EXPECT_EQ(backend.presents, 0) << "not set up";
  draw.Initialize();
  EXPECT_TRUE(draw.CanDraw());
  draw.Flip();
  EXPECT_EQ(backend.presents, 1);
  backend.presentable = false;
  EXPECT_FALSE(draw.CanDraw());
  draw.Flip();
  EXPECT_EQ(backend.presents, 1) << "nothing shown while the presentation cannot take it";
}

TEST_F(DisplayTest, LostSurfacesAreRepairedInsideTheDrawableTest) {
  draw.Initialize();
  draw.Surface().Fill(0x123456);
  backend.lost = true;
  backend.restorable = false;
  EXPECT_FALSE(draw.CanDraw()) << "memory not back yet";
  draw.Flip();
  EXPECT_EQ(backend.presents, 0);

  backend.restorable = true;
  EXPECT_TRUE(draw.CanDraw());
  EXPECT_EQ(draw.Surface().Pixels()[0], 0u) << "a restored back surface starts black";
  EXPECT_GT(Item().PatternCount(), 0) << "pictures rebuilt";
  const int restores = backend.restores;
  EXPECT_TRUE(draw.CanDraw());
  EXPECT_EQ(backend.restores, restores) << "no restore once repaired";
}
}  // namespace
