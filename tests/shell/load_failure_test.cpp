// The load-failure screen: its lines and their times, the blinking cursor, and closing by key.
#include <gtest/gtest.h>

#include "media/input.h"
#include "play/game_state.h"
#include "shell_fixture.h"

namespace {
constexpr uint32_t kYellow = 0xFFFF00;

// Top edges of the four lines when one message is shown.
constexpr int32_t kMessageY = 10;
constexpr int32_t kRuleY = 40;
constexpr int32_t kSignatureY = 70;
constexpr int32_t kClosingY = 100;

class LoadFailureTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    form->FormCreate();
  }
  // Frames until StateTime is exactly `time`.
  void RunTo(int32_t time) {
    while (Game.StateTime < time) form->DXTimerTimer(std::min(500, time - Game.StateTime));
  }
  // Lit pixels inside the frame in the band of a text line starting at `top`, right of `left`.
  int LitPixels(int32_t top, int32_t left = 6) {
    const TDirectDrawSurface& surface = form->DXDraw.Surface();
    int lit = 0;
    for (int32_t y = top; y < top + 13; ++y) {
      for (int32_t x = left; x < 634; ++x) lit += surface.Row(y)[x] != 0 ? 1 : 0;
    }
    return lit;
  }
};

TEST_F(LoadFailureTest, AnEmptyDirectoryFailsOnTheConfigurationAlone) {
  EXPECT_TRUE(form->ConfigFailed);
  EXPECT_FALSE(form->GraphicsFailed) << "later steps are skipped, not failed";
  EXPECT_FALSE(form->SoundsFailed);
  EXPECT_FALSE(form->MusicFailed);
}

TEST_F(LoadFailureTest, LinesAppearStrictlyAfterTheirTimes) {
  struct Step {
    int32_t time;
    bool rule, signature, closing;
  };
  for (const Step step : {Step{1, false, false, false}, Step{1000, false, false, false},
                          Step{1001, true, false, false}, Step{1500, true, false, false},
                          Step{1501, true, true, false}, Step{2000, true, true, false},
                          Step{2001, true, true, true}}) {
    RunTo(step.time);
    EXPECT_GT(LitPixels(kMessageY), 0) << "message at " << step.time;
    EXPECT_EQ(LitPixels(kRuleY) > 0, step.rule) << "rule at " << step.time;
    EXPECT_EQ(LitPixels(kSignatureY) > 0, step.signature) << "signature at " << step.time;
    EXPECT_EQ(LitPixels(kClosingY) > 0, step.closing) << "closing line at " << step.time;
  }
  const TDirectDrawSurface& surface = form->DXDraw.Surface();
  EXPECT_EQ(surface.Row(5)[5], kYellow) << "top-left corner of the frame";
  EXPECT_EQ(surface.Row(474)[634], kYellow) << "bottom-right corner of the frame";
  EXPECT_EQ(surface.Row(475)[635], 0u) << "right and bottom edges excluded";
  EXPECT_EQ(surface.Row(4)[4], 0u);
}

TEST_F(LoadFailureTest, EachFailedStepGetsItsOwnLineAndPushesTheRestDown) {
  form->GraphicsFailed = true;  // two flags at once never happen at start-up, but must not overlap
  RunTo(2001);
  EXPECT_GT(LitPixels(kMessageY), 0);
  EXPECT_GT(LitPixels(kMessageY + 15), 0);
  EXPECT_EQ(LitPixels(kRuleY), 0) << "the rule moved down one line";
  EXPECT_GT(LitPixels(kRuleY + 15), 0);
  EXPECT_GT(LitPixels(kClosingY + 15), 0);
}

TEST_F(LoadFailureTest, TheCursorBlinksInTheOddHalfSeconds) {
  // Right of "Program nemůže být kvůli chybám spuštěn..." only the cursor can light pixels.
  RunTo(2499);
  const int withoutCursor = LitPixels(kClosingY);
  RunTo(2500);
  const int withCursor = LitPixels(kClosingY);
  EXPECT_GT(withCursor, withoutCursor) << "cursor first shown at 2500";
  RunTo(3000);
  EXPECT_EQ(LitPixels(kClosingY), withoutCursor) << "and hidden again at 3000";
}

TEST_F(LoadFailureTest, KeysCloseOnlyAfterTwoSeconds) {
  for (int32_t key : {VK_RETURN, VK_SPACE, VK_ESCAPE}) {
    NewForm();
    form->FormCreate();
    keyboard.down = {key};
    RunTo(2000);
    EXPECT_FALSE(form->Closed()) << "key " << key << " at 2000 ms";
    form->DXTimerTimer(1);
    EXPECT_TRUE(form->Closed()) << "key " << key << " at 2001 ms";
    EXPECT_FALSE(form->DXTimer.Running()) << "closing stops the frame timer";
    EXPECT_EQ(display.closes, 1);
  }
  keyboard.down = {VK_UP};
  NewForm();
  form->FormCreate();
  RunTo(5000);
  EXPECT_FALSE(form->Closed()) << "other keys do nothing";
}

TEST_F(LoadFailureTest, WithoutADrawableDisplayTimeAndKeysStillCount) {
  display.presentable = false;
  RunTo(1500);
  EXPECT_EQ(display.presents, 0);
  EXPECT_EQ(LitPixels(kMessageY), 0) << "nothing drawn";
  keyboard.down = {VK_RETURN};
  RunTo(2001);
  EXPECT_TRUE(form->Closed());
}

TEST_F(LoadFailureTest, KeysOfAnotherWindowDoNotClose) {
  keyboard.down = {VK_RETURN};
  keyboard.foreground = false;
  RunTo(3000);
  EXPECT_FALSE(form->Closed());
}
}  // namespace
