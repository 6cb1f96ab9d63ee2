// The level configuration file: its magic, its records and where each record lands.
#include "store/configuration.h"

#include <gtest/gtest.h>

#include <vector>

#include "store/level_params.h"
#include "store/random.h"
#include "store/scramble.h"
#include "temp_dir.h"

namespace {
const std::string kMagic = "CFG#NEXODA\x1b";

std::string ConfigFile(const std::vector<std::string>& texts) {
  std::string bytes = kMagic;
  for (const std::string& text : texts) bytes += Scramble(text) + '\x1b';
  return bytes;
}

class Configuration : public testing::Test {
 protected:
  void SetUp() override { RandSeed(7); }

  // Reads the bytes as the configuration file; returns the failure flag.
  bool Read(const std::string& bytes) {
    WriteBytes(dir_.File("nexoda.cfg"), bytes);
    return ReadConfigurationFrom(dir_.File("nexoda.cfg"), records_);
  }

  TempDir dir_;
  TConfigRecords records_;
};
}  // namespace

TEST_F(Configuration, MagicOnlyReadsWithoutFailureAndLeavesEverythingZero) {
  ASSERT_FALSE(Read(kMagic));
  ApplyConfiguration(records_);
  for (int level = 1; level <= 20; ++level) {
    const TLevelParams& params = ArcadeLevels[level];
    EXPECT_EQ(params.TimeLimit, 0) << "level " << level;
    EXPECT_EQ(params.AtomKinds, "") << "level " << level;
    EXPECT_EQ(params.SupplyInterval + params.MoleculeGoal + params.MinMoleculeSize, 0);
    EXPECT_EQ(params.BriefingDelay, 2000) << "level " << level;
  }
  for (int mode = 2; mode <= 5; ++mode) EXPECT_EQ(ModeParams[mode].BriefingDelay, 1100);
}

TEST_F(Configuration, MagicDecidesFailure) {
  EXPECT_TRUE(Read("DFG#NEXODA\x1b")) << "first byte differs";
  EXPECT_TRUE(Read("CFG#NEXODA!" + Scramble("1") + "\x1b")) << "byte 27 missing";
  EXPECT_FALSE(Read("CFG#NE")) << "a file ending inside the magic has no records";
  EXPECT_FALSE(Read(""));
  EXPECT_TRUE(ReadConfigurationFrom(dir_.File("absent.cfg"), records_));
  EXPECT_TRUE(ReadConfigurationFrom(dir_.Path().string(), records_)) << "a directory";
}

TEST_F(Configuration, RecordsBeyondTheHundredTwentiethAreIgnored) {
  std::vector<std::string> texts;
  for (int n = 1; n <= 130; ++n) texts.push_back("r" + std::to_string(n));
  ASSERT_FALSE(Read(ConfigFile(texts)));
  EXPECT_EQ(records_[1], "r1");
  EXPECT_EQ(records_[120], "r120");
}

TEST_F(Configuration, UnterminatedLastRecordIsKept) {
  std::string bytes = ConfigFile({"60000", "\r\n7"});
  bytes += Scramble("123");  // no terminator
  ASSERT_FALSE(Read(bytes));
  EXPECT_EQ(records_[1], "60000");
  EXPECT_EQ(records_[2], "\r\n7") << "line breaks belong to the record";
  EXPECT_EQ(records_[3], "123");
  EXPECT_EQ(records_[4], "");
}

TEST_F(Configuration, LevelsAreGroupedByFieldAndModesByMode) {
  // Record n holds 1000 + n; the kinds records hold a text naming their own number.
  std::vector<std::string> texts;
  for (int n = 1; n <= 120; ++n) {
    const bool kinds = (n >= 21 && n <= 40) || (n > 100 && (n - 101) % 5 == 1);
    texts.push_back(kinds ? "K" + std::to_string(n) + "xyz" : std::to_string(1000 + n));
  }
  ASSERT_FALSE(Read(ConfigFile(texts)));
  ApplyConfiguration(records_);
  for (int level = 1; level <= 20; ++level) {
    const TLevelParams& params = ArcadeLevels[level];
    EXPECT_EQ(params.TimeLimit, 1000 + level) << "level " << level;
    EXPECT_EQ(params.AtomKinds, ("K" + std::to_string(20 + level) + "xyz").substr(0, 5))
        << "level " << level << ": kinds are cut to 5 characters";
    EXPECT_EQ(params.SupplyInterval, 1040 + level) << "level " << level;
    EXPECT_EQ(params.MoleculeGoal, 1060 + level) << "level " << level;
    EXPECT_EQ(params.MinMoleculeSize, 1080 + level) << "level " << level;
  }
  for (int mode = 2; mode <= 5; ++mode) {
    const int first = 101 + 5 * (mode - 2);
    const TLevelParams& params = ModeParams[mode];
    EXPECT_EQ(params.TimeLimit, 1000 + first) << "mode " << mode;
    EXPECT_EQ(params.AtomKinds, "K" + std::to_string(first + 1) + "x") << "mode " << mode;
    EXPECT_EQ(params.SupplyInterval, 1000 + first + 2) << "mode " << mode;
    EXPECT_EQ(params.MoleculeGoal, 1000 + first + 3) << "mode " << mode;
    EXPECT_EQ(params.MinMoleculeSize, 1000 + first + 4) << "mode " << mode;
  }
}

TEST(AtomKinds, PositionsHoldingAAreTheKindsAllowed) {
  TLevelParams level;
  level.AtomKinds = "A AAA";
  const bool expected[] = {false, true, false, true, true, true, false};
  for (int kind = 0; kind <= 6; ++kind) {
    EXPECT_EQ(AllowsKind(level, kind), expected[kind]) << "kind " << kind;
  }
  EXPECT_TRUE(AllowsAnyKind(level));

  level.AtomKinds = "aa";  // lower case is not "A"
  EXPECT_FALSE(AllowsAnyKind(level));
  level.AtomKinds = "";
  EXPECT_FALSE(AllowsAnyKind(level)) << "an empty kinds text allows no kind";
  level.AtomKinds = "    A";
  EXPECT_TRUE(AllowsAnyKind(level) && AllowsKind(level, 5));
}
