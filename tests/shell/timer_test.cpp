// The frame timer against a hand-moved clock: LagCount, the interval, focus loss and clock wrap.
#include <gtest/gtest.h>

#include <vector>

#include "fake_platform.h"
#include "media/timer.h"

namespace {
class TimerTest : public ::testing::Test {
 protected:
  TimerTest() : timer(clock) {
    timer.OnTimer = [this](int32_t lag) { lags.push_back(lag); };
  }
  // Moves the clock on by ms and runs one idle pass; returns the lags handed over by it.
  std::vector<int32_t> TickAfter(uint32_t ms) {
    lags.clear();
    clock.now += ms;
    timer.Tick();
    return lags;
  }

  FakeClock clock;
  TDXTimer timer;
  std::vector<int32_t> lags;
};

using Lags = std::vector<int32_t>;

TEST_F(TimerTest, IntervalZeroNeverHandsOverZero) {
  timer.SetEnabled(true);
  EXPECT_EQ(TickAfter(0), Lags{1}) << "two ticks in the same millisecond";
  EXPECT_EQ(TickAfter(0), Lags{1});
  EXPECT_EQ(TickAfter(17), Lags{17});
}

TEST_F(TimerTest, IntervalCountsWholeStepsAndMeasuresFromTheLastFire) {
  timer.Interval = 20;
  timer.SetEnabled(true);
  EXPECT_EQ(TickAfter(19), Lags{}) << "not yet due";
  EXPECT_EQ(TickAfter(26), Lags{2}) << "45 ms after the start";
  EXPECT_EQ(TickAfter(19), Lags{}) << "measured from the fire at 45 ms, not from 40";
  EXPECT_EQ(TickAfter(1), Lags{1});
}

TEST_F(TimerTest, NoTicksUnlessEnabled) {
  EXPECT_EQ(TickAfter(100), Lags{});
  timer.SetEnabled(true);
  EXPECT_EQ(TickAfter(10), Lags{10}) << "measured from the moment it was enabled";
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(TickAfter(10), Lags{});
}

TEST_F(TimerTest, TimeInTheBackgroundIsNotHandedOver) {
  timer.SetEnabled(true);
  TickAfter(16);
  timer.SetApplicationActive(false);
  EXPECT_FALSE(timer.TickInstalled());
  EXPECT_EQ(TickAfter(10000), Lags{}) << "the game freezes while away";
  timer.SetApplicationActive(true);
  EXPECT_EQ(TickAfter(16), Lags{16}) << "the first lag after ten seconds away";
}

TEST_F(TimerTest, EnabledWhileInactiveStartsOnlyWithTheFocus) {
  timer.SetApplicationActive(false);
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Running());
  EXPECT_EQ(TickAfter(50), Lags{});
  timer.SetApplicationActive(true);
  EXPECT_EQ(TickAfter(5), Lags{5});
}

TEST_F(TimerTest, WithoutActiveOnlyItRunsInTheBackground) {
  timer.ActiveOnly = false;
  timer.SetEnabled(true);
  timer.SetApplicationActive(false);
  EXPECT_EQ(TickAfter(30), Lags{30});
}

TEST_F(TimerTest, SurvivesTheClockWrapping) {
  clock.now = 0xFFFFFFF0u;
  timer.SetEnabled(true);
  EXPECT_EQ(TickAfter(0x20), Lags{0x20});
}

TEST_F(TimerTest, AStallTooLongForASignedCountHandsOverTheLargest) {
  timer.SetEnabled(true);
  EXPECT_EQ(TickAfter(0xF0000000u), Lags{0x7FFFFFFF});
}
}  // namespace
