// Building the hall-of-fame rows: full stops fill each column to 15 characters.
#include <gtest/gtest.h>

#include "screens/hall_of_fame_screen.h"
#include "store/high_scores.h"

TEST(HallOfFameRows, ColumnsAreFilledToFifteenCharacters) {
  EXPECT_EQ(HallOfFameColumn("kelpa", "50000"), "kelpa.....50000");
  EXPECT_EQ(HallOfFameColumn("", ""), "...............");
  EXPECT_EQ(HallOfFameColumn("abcdefghij", "123456"), "abcdefghij123456")
      << "an entry longer than the column gets no full stops";
}

TEST(HallOfFameRows, RowJoinsTheThreeTablesAndOverflowShiftsTheRest) {
  HallNames.fill("");
  HallScores.fill("");
  HallNames[0] = "rubo";
  HallScores[0] = "45000";
  HallNames[10] = "abcdefghijklm";
  HallScores[10] = "999";
  HallNames[20] = "x";
  HallScores[20] = "1";
  EXPECT_EQ(HallOfFameRow(0), "rubo......45000  abcdefghijklm999  x.............1");
}
