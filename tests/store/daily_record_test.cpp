// The record of days kept beside the store, and the dates it is keyed by.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "play/daily_challenge.h"
#include "store/daily_record.h"
#include "temp_dir.h"

namespace {
TDailyDate Date(const char* text) {
  return ParseDailyDate(text).value();
}
}  // namespace

TEST(DailyDate, OnlyRealDatesWrittenInFullAreTaken) {
  EXPECT_EQ(Date("2024-02-29").Number(), 20240229u);
  for (const char* wrong : {"2026-02-29", "2026-13-01", "2026-00-10", "2026-1-01", "26-12-24",
                            "2026/12/24", "2026-12-24x", "0000-01-01", ""}) {
    EXPECT_FALSE(ParseDailyDate(wrong)) << wrong;
  }
  const TDailyDate day = Date("2027-01-01");
  EXPECT_EQ(FormatDailyDate(TDailyDate::FromDaysSinceEpoch(day.DaysSinceEpoch() - 1)),
            "2026-12-31");
  EXPECT_FALSE(TDailyDate::FromNumber(20261232));
}

TEST(DailyRecord, BestOnlyImprovesThirtyDaysAreKeptAndTheStreakCountsBack) {
  TempDir dir;
  const std::string file = dir.File("daily.txt");
  // A damaged line loses that line only.
  WriteBytes(file, "# brunival daily record 1\n2026-12-20 500\ngarbage\n2026-12-21 -4\n");
  KeepDailyRecordBeside(dir.File("hall-of-fame.store"));
  EXPECT_EQ(DailyBest(Date("2026-12-20")), 500);
  EXPECT_FALSE(DailyBest(Date("2026-12-21")));

  NoteDailyScore(Date("2026-12-20"), 300);
  NoteDailyScore(Date("2026-12-21"), 700);
  NoteDailyScore(Date("2026-12-22"), 0);
  KeepDailyRecordBeside(dir.File("hall-of-fame.store"));  // read back from the file
  EXPECT_EQ(DailyBest(Date("2026-12-20")), 500);
  EXPECT_EQ(DailyBest(Date("2026-12-21")), 700);
  EXPECT_EQ(DailyStreak(Date("2026-12-22")), 3);
  EXPECT_EQ(DailyStreak(Date("2026-12-23")), 3);  // today still to play
  EXPECT_EQ(DailyStreak(Date("2026-12-24")), 0);

  const TDailyDate january = Date("2027-01-01");
  for (int64_t day = 0; day < 40; ++day) {
    NoteDailyScore(TDailyDate::FromDaysSinceEpoch(january.DaysSinceEpoch() + day), 10);
  }
  std::ifstream in(file);
  std::stringstream read;
  read << in.rdbuf();
  const std::string text = read.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), kDailyDaysKept + 1);
  EXPECT_FALSE(DailyBest(Date("2026-12-21")));
  EXPECT_EQ(DailyStreak(TDailyDate::FromDaysSinceEpoch(january.DaysSinceEpoch() + 39)), 30);
  KeepDailyRecordBeside("");
}
