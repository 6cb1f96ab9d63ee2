// The game started in an empty directory, through the headless runner: the load-failure screen.
#include <gtest/gtest.h>

#include <fstream>

#include "headless_client.h"

namespace {
constexpr uint32_t kYellow = 0xFFFF00;
constexpr int32_t kMessageY = 10;
constexpr int32_t kRuleY = 40;
constexpr int32_t kSignatureY = 70;
constexpr int32_t kClosingY = 100;

TEST(LoadFailureE2eTest, AnEmptyDirectoryShowsTheConfigurationMessage) {
  THeadlessClient client;
  const THeadlessRun run = client.Run("frame 16\nstate\nscreenshot first.png\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  ASSERT_EQ(run.States.size(), 1u);
  const auto& state = run.States[0];
  EXPECT_EQ(state["ConfigFailed"], true);
  EXPECT_EQ(state["GraphicsFailed"], false);
  EXPECT_EQ(state["SoundsFailed"], false);
  EXPECT_EQ(state["MusicFailed"], false);
  EXPECT_EQ(state["StateTime"], 16);
  EXPECT_EQ(state["Closed"], false);

  const TScreenshot shot = client.Screenshot("first.png");
  ASSERT_EQ(shot.Width, 640);
  ASSERT_EQ(shot.Height, 480);
  EXPECT_EQ(shot.Pixel(5, 5), kYellow) << "the frame's top-left corner";
  EXPECT_EQ(shot.Pixel(320, 474), kYellow) << "its bottom edge";
  EXPECT_EQ(shot.Pixel(634, 200), kYellow) << "its right edge";
  EXPECT_EQ(shot.Pixel(2, 2), 0u) << "black outside";
  EXPECT_GT(shot.LitPixels(kMessageY), 100) << "the message is written";
  EXPECT_EQ(shot.LitPixels(kRuleY), 0);
}

TEST(LoadFailureE2eTest, LaterLinesAppearOnlyAfterTheirTimes) {
  THeadlessClient client;
  const THeadlessRun run = client.Run(
      "frame 1000\nscreenshot 1000.png\nframe 1\nscreenshot 1001.png\n"
      "frame 499\nscreenshot 1500.png\nframe 1\nscreenshot 1501.png\n"
      "frames 2 250\nscreenshot 2001.png\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  struct Expected {
    const char* shot;
    bool rule, signature, closing;
  };
  for (const Expected& e :
       {Expected{"1000.png", false, false, false}, Expected{"1001.png", true, false, false},
        Expected{"1500.png", true, false, false}, Expected{"1501.png", true, true, false},
        Expected{"2001.png", true, true, true}}) {
    const TScreenshot shot = client.Screenshot(e.shot);
    ASSERT_EQ(shot.Width, 640) << e.shot;
    EXPECT_EQ(shot.LitPixels(kRuleY) > 0, e.rule) << e.shot << ": the line of equals signs";
    EXPECT_EQ(shot.LitPixels(kSignatureY) > 0, e.signature) << e.shot << ": DRAVOKEL:";
    EXPECT_EQ(shot.LitPixels(kClosingY) > 0, e.closing) << e.shot << ": the closing line";
  }
}

TEST(LoadFailureE2eTest, TheClosingLineAtExactlyTwoSecondsIsNotShownYet) {
  THeadlessClient client;
  const THeadlessRun run = client.Run("frames 2 1000\nscreenshot 2000.png\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(client.Screenshot("2000.png").LitPixels(kClosingY), 0);
}

TEST(LoadFailureE2eTest, EnterAtTwoSecondsIsIgnoredAndOneMillisecondLaterCloses) {
  THeadlessClient client;
  const THeadlessRun run = client.Run(
      "frame 1000 enter\nframe 1000 enter\nstate\nframe 1 enter\nstate\n"
      "frame 50\nstate\nscreenshot after.png\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  ASSERT_EQ(run.States.size(), 3u);
  EXPECT_EQ(run.States[0]["StateTime"], 2000);
  EXPECT_EQ(run.States[0]["Closed"], false) << "Enter at 2000 ms";
  EXPECT_EQ(run.States[1]["Closed"], true) << "Enter at 2001 ms";
  EXPECT_EQ(run.States[2]["StateTime"], 2001) << "frames after closing do nothing";
  EXPECT_EQ(client.Screenshot("after.png").Width, 640) << "the last picture is still there";
}

TEST(LoadFailureE2eTest, AnUndrawableDisplayStillCountsTimeButDrawsNothing) {
  THeadlessClient client;
  const THeadlessRun run = client.Run(
      "drawable off\nframe 1600\nstate\nscreenshot hidden.png\n"
      "drawable on\nframe 1\nscreenshot shown.png\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.States.at(0)["StateTime"], 1600);
  const TScreenshot hidden = client.Screenshot("hidden.png");
  ASSERT_EQ(hidden.Width, 640);
  EXPECT_EQ(hidden.Pixel(5, 5), 0u) << "nothing drawn while the display cannot be drawn on";
  const TScreenshot shown = client.Screenshot("shown.png");
  ASSERT_EQ(shown.Width, 640);
  EXPECT_GT(shown.LitPixels(kSignatureY), 0) << "the first drawn frame has all lines due";
}
TEST(LoadFailureE2eTest, AnUnreadablePictureFileCountsAsAFailedLoad) {
  THeadlessClient client;
  std::ofstream(client.Directory() / "nexoda.cfg") << "CFG#NEXODA\x1b";
  std::ofstream(client.Directory() / "grafika.dat") << "not a container";
  const THeadlessRun run = client.Run("frame 16\nstate\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const auto& state = run.States.at(0);
  EXPECT_EQ(state["ConfigFailed"], false) << "the magic alone is a readable configuration";
  EXPECT_EQ(state["GraphicsFailed"], true) << "instead of a game without pictures";
  ASSERT_FALSE(state["Events"].empty());
  EXPECT_EQ(state["Events"][0].get<std::string>().rfind("error ", 0), 0u)
      << "the reason is still reported: " << state["Events"];
}
}  // namespace
