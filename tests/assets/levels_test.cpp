// The shipped level file reads back as the table it was built from, and the table is playable.
#include <gtest/gtest.h>

#include <algorithm>

#include "levels/levels.h"
#include "store/configuration.h"
#include "store/level_params.h"

namespace {

void ExpectRow(const TLevelParams& read, const TLevelRow& source, const std::string& what) {
  EXPECT_EQ(read.TimeLimit, source.TimeLimit) << what;
  EXPECT_EQ(read.AtomKinds, source.AtomKinds) << what;
  EXPECT_EQ(read.SupplyInterval, source.SupplyInterval) << what;
  EXPECT_EQ(read.MoleculeGoal, source.MoleculeGoal) << what;
  EXPECT_EQ(read.MinMoleculeSize, source.MinMoleculeSize) << what;
}

TEST(LevelFile, ReadsBackAsTheSourceTable) {
  const std::string bytes = EncodeConfiguration();
  TConfigRecords records;
  ASSERT_FALSE(ParseConfiguration(bytes, records)) << "the magic must match";
  ASSERT_EQ(std::count(bytes.begin(), bytes.end(), '\x1b'), 121) << "magic end plus 120 records";
  ApplyConfiguration(records);
  for (int level = 1; level <= kArcadeLevelCount; ++level) {
    ExpectRow(ArcadeLevels[level], kArcadeTable[level - 1], "level " + std::to_string(level));
    EXPECT_EQ(ArcadeLevels[level].BriefingDelay, 2000);
  }
  for (int mode = 2; mode <= 5; ++mode) {
    ExpectRow(ModeParams[mode], kModeTable[mode - 2], "mode " + std::to_string(mode));
  }
}

TEST(LevelTable, EveryLevelCanBeWon) {
  for (int i = 0; i < kArcadeLevelCount; ++i) {
    const TLevelRow& row = kArcadeTable[i];
    const std::string what = "level " + std::to_string(i + 1);
    const std::string kinds = row.AtomKinds;
    ASSERT_EQ(kinds.size(), 5u) << what;
    // Kind 1 closes every structure; without it nothing but rings of 2s could ever close.
    EXPECT_EQ(kinds[0], 'A') << what;
    EXPECT_GT(row.MoleculeGoal, 0) << what;
    EXPECT_LE(row.MinMoleculeSize, 8) << what << ": larger molecules barely fit the board";
    const double atomsNeeded = row.MoleculeGoal * std::max(row.MinMoleculeSize, 2) * 1.3;
    // A quick player places an atom about every 1.7 s; how often a level is really won is what
    // the automatic player's band check shows.
    EXPECT_GE(row.TimeLimit / 1000.0 / atomsNeeded, 1.5)
        << what << ": at least one and a half seconds per atom the task needs";
    EXPECT_GE(row.SupplyInterval, 1000) << what;
  }
}

TEST(LevelTable, DifficultyNeverEases) {
  for (int i = 1; i < kArcadeLevelCount; ++i) {
    const TLevelRow &before = kArcadeTable[i - 1], &after = kArcadeTable[i];
    // The limit a player sees hints at what is coming.
    EXPECT_GE(after.TimeLimit, before.TimeLimit) << "level " << i + 1;
    // The supply slows only to make up for a kind withheld.
    const bool withholds = std::string(after.AtomKinds).find('-') != std::string::npos &&
                           std::string(before.AtomKinds) == "AAAAA";
    if (!withholds) {
      EXPECT_LE(after.SupplyInterval, before.SupplyInterval) << "level " << i + 1;
    }
    EXPECT_GE(after.MinMoleculeSize, before.MinMoleculeSize) << "level " << i + 1;
  }
  EXPECT_EQ(std::string(kArcadeTable[0].AtomKinds), "AA---") << "the first level starts simple";
  EXPECT_EQ(std::string(kArcadeTable[kArcadeLevelCount - 1].AtomKinds), "AAAAA");
}

}  // namespace
