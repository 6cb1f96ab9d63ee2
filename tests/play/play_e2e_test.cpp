// Whole games through brunival-headless, as a player meets them: a test level file, the asset
// pack's pictures, sounds and music, and scripted keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "headless_client.h"
#include "store/scramble.h"

namespace {
namespace fs = std::filesystem;
using nlohmann::json;

struct TLevel {
  int TimeLimit = 60000;
  std::string AtomKinds = "A";
  int SupplyInterval = 4000;
  int MoleculeGoal = 2;
  int MinMoleculeSize = 0;
};

// The level file the game reads: magic, then 120 scrambled records each closed by byte 27.
void WriteLevelFile(const fs::path& path, const std::vector<TLevel>& arcade,
                    const std::vector<TLevel>& modes) {
  std::vector<std::string> records;
  const auto field = [&](auto member) {
    for (const TLevel& level : arcade) records.push_back(member(level));
  };
  field([](const TLevel& l) { return std::to_string(l.TimeLimit); });
  field([](const TLevel& l) { return l.AtomKinds; });
  field([](const TLevel& l) { return std::to_string(l.SupplyInterval); });
  field([](const TLevel& l) { return std::to_string(l.MoleculeGoal); });
  field([](const TLevel& l) { return std::to_string(l.MinMoleculeSize); });
  for (const TLevel& l : modes) {
    records.insert(records.end(),
                   {std::to_string(l.TimeLimit), l.AtomKinds, std::to_string(l.SupplyInterval),
                    std::to_string(l.MoleculeGoal), std::to_string(l.MinMoleculeSize)});
  }
  std::ofstream out(path, std::ios::binary);
  out << "CFG#NEXODA" << '\x1b';
  for (const std::string& record : records) out << Scramble(record) << '\x1b';
}

// The intro runs 7700 ms; then the main menu's first item opens the mode choice.
std::string StartMode(int mode) {
  std::string script = "frames 80 100\nframe 16 enter\nframe 16\n";
  for (int i = 1; i < mode; ++i) script += "frame 16 down\nframe 16\n";
  return script + "frame 16 enter\nframe 16\n";
}

// Waits out the briefing delay, dismisses it and lets it slide away: play starts with the last
// frame (the arcade's texts travel 320 pixels, the other modes' 260).
std::string PassBriefing(int mode) {
  return "frames 25 100\nframe 16 space\nframes " + std::to_string(mode == 1 ? 16 : 13) + " 100\n";
}
// Long enough for a new atom to fall from the top of the column into the hand.
const char* const kAtomLands = "frames 45 16\n";

int Count(const json& events, const std::string& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

class PlayE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path data = BRUNIVAL_DATA_DIR;
    if (!fs::exists(data / "grafika.dat")) GTEST_SKIP() << "no asset pack in " << data;
    for (const char* file : {"grafika.dat", "zvuky.dat"}) {
      fs::copy_file(data / file, client_.Directory() / file);
    }
    fs::copy(data / "mod", client_.Directory() / "mod", fs::copy_options::recursive);
    arcade_.assign(20, TLevel{});
    modes_.assign(4, TLevel{});
  }

  // Runs the script with the levels as set; every "state" line must parse.
  THeadlessRun Play(const std::string& script, const std::string& options = "--seed 5") {
    WriteLevelFile(client_.Directory() / "nexoda.cfg", arcade_, modes_);
    THeadlessRun run = client_.Run(script, options);
    EXPECT_EQ(run.Status, 0) << run.Err;
    for (const json& state : run.States) {
      EXPECT_FALSE(state["ConfigFailed"].get<bool>() || state["GraphicsFailed"].get<bool>() ||
                   state["MusicFailed"].get<bool>())
          << "the data set did not load";
    }
    return run;
  }

  THeadlessClient client_;
  std::vector<TLevel> arcade_;  // levels 1..20
  std::vector<TLevel> modes_;   // "bitva", "destrukce", "trenink a", "trenink b"
};

TEST_F(PlayE2e, PlaceBondAndScore) {
  const auto run =
      Play(StartMode(2) + PassBriefing(2) + kAtomLands + "frame 16 space\nframe 16\n" +
           "frame 16 right\nframes 5 16\n" + kAtomLands + "frame 16 space\nframe 16\nstate\n");
  ASSERT_EQ(run.States.size(), 1u);
  const json& game = run.States[0]["Game"];
  EXPECT_EQ(game["Score"], 200) << "two kind-1 atoms side by side";
  EXPECT_EQ(game["MoleculesMade"], 1);
  EXPECT_GE(Count(run.States[0]["Events"], "play bum"), 1);
  EXPECT_EQ(Count(run.States[0]["Events"], "play menu_pohyb"), 1 + 2)
      << "a menu move, two placings";
}

// Slides the cursor from (1, 1) to the cell, one press per move.
std::string CursorTo(int col, int row) {
  std::string script;
  for (int i = 1; i < col; ++i) script += "frame 16 right\nframes 5 16\n";
  for (int i = 1; i < row; ++i) script += "frame 16 down\nframes 5 16\n";
  return script;
}

TEST_F(PlayE2e, ExchangeChargesTheKindDifferenceFlooredAtZero) {
  // "destrukce" starts with ten atoms of kinds 3 and 4; find one that bonded with nothing.
  const std::string start = StartMode(3) + PassBriefing(3);
  const json board = Play(start + "state\n").States.at(0)["Game"]["Board"];
  int col = 0, row = 0, kind = 0;
  for (int c = 1; c <= 12 && kind == 0; ++c) {
    for (int r = 1; r <= 10 && kind == 0; ++r) {
      const json& cell = board[c][r];
      const int bonds = cell["BondUp"].get<int>() + cell["BondDown"].get<int>() +
                        cell["BondLeft"].get<int>() + cell["BondRight"].get<int>();
      if (cell["Kind"] >= 3 && bonds == 0) {
        col = c;
        row = r;
        kind = cell["Kind"];
      }
    }
  }
  ASSERT_NE(kind, 0) << "no lone start atom";
  const std::string exchange = start + CursorTo(col, row) + kAtomLands;
  const json rich = Play(exchange + "frames 10 16 f1\nframe 16 space\nstate\n").States.at(0);
  EXPECT_EQ(rich["Game"]["Board"][col][row]["Kind"], 1) << "the kind-1 atom in hand went down";
  EXPECT_EQ(rich["Game"]["Queue"][1]["Kind"], kind) << "and the board's atom came into the hand";
  EXPECT_EQ(rich["Game"]["Score"], 1000 - 100 * (kind - 1));
  EXPECT_EQ(Count(rich["Events"], "play vymena"), 1);
  const json poor = Play(exchange + "frame 16 f1\nframe 16 space\nstate\n").States.at(0);
  EXPECT_EQ(poor["Game"]["Score"], 0) << "100 points minus a penalty of at least 200";
}

TEST_F(PlayE2e, OverflowInEveryMode) {
  // An atom is due once StateTime has passed the interval: frames a little longer than the
  // interval bring one each, so the eleventh comes in frame 11 and is seen in frame 12.
  for (TLevel& level : arcade_) level.SupplyInterval = 200;
  for (TLevel& level : modes_) level.SupplyInterval = 200;  // all but "arkada" raise it to 1000
  const json arcade = Play(StartMode(1) + PassBriefing(1) + "frames 12 201\nstate\n").States.at(0);
  EXPECT_EQ(arcade["ScreenState"], 11) << "an eleventh atom loses the arcade game";
  EXPECT_LE(arcade["Game"]["QueueCount"], 10) << "the eleventh atom is taken back";
  EXPECT_EQ(Count(arcade["Events"], "play alert"), 1);
  EXPECT_EQ(Count(arcade["Events"], "stop alert"), 1);
  EXPECT_EQ(Count(arcade["Events"], "play uspech"), 1) << "no record with 0 points";

  const json battle = Play(StartMode(2) + PassBriefing(2) + "frames 12 1001\nstate\n").States.at(0);
  EXPECT_EQ(battle["Game"]["Phase"], 1) << "the battle ends on its result";
  EXPECT_EQ(battle["Game"]["ResultTime"], 12000);

  const json destruction =
      Play(StartMode(3) + PassBriefing(3) + "frame 16 f1\nframes 12 1001\nstate\n").States.at(0);
  EXPECT_EQ(destruction["Game"]["Phase"], 1);
  EXPECT_EQ(destruction["Game"]["Score"], 0) << "a failed clearing scores nothing";
  EXPECT_EQ(Count(destruction["Events"], "play neuspech"), 1);

  const auto trainingB =
      Play(StartMode(5) + PassBriefing(5) + "frames 10 1001\nstate\nframe 1001\nstate\n");
  EXPECT_EQ(trainingB.States.at(0)["Game"]["QueueCount"], 10);
  EXPECT_EQ(trainingB.States.at(1)["Game"]["QueueCount"], 0) << "the eleventh atom empties it";
  EXPECT_EQ(trainingB.States.at(1)["ScreenState"], 10) << "and training goes on";

  std::string trainingA = StartMode(4) + PassBriefing(4);
  for (int i = 0; i < 10; ++i) trainingA += "frames 10 100\nstate\n";
  for (const json& state : Play(trainingA).States) {
    EXPECT_LE(state["Game"]["QueueCount"], 1) << "\"trenink a\" holds one atom at most";
  }
}

TEST_F(PlayE2e, ArcadeBonusCountedOrSkippedGivesTheSameScore) {
  arcade_[0].MoleculeGoal = 1;
  const std::string level = StartMode(1) + PassBriefing(1) + kAtomLands +
                            "frame 16 space\nframe 16\nframe 16 right\nframes 5 16\n" + kAtomLands +
                            "frames 10 1000\nframe 16 space\nframe 16\nstate\n";
  const auto counted = Play(level + "frames 600 16\nstate\n");
  const auto skipped = Play(level + "frames 180 16\nframe 16 space\nframes 600 16\nstate\n");
  const json& result = counted.States.at(0)["Game"];
  ASSERT_EQ(result["Phase"], 1);
  const int left = (60000 - result["ResultTime"].get<int>()) / 1000;
  for (const auto* run : {&counted, &skipped}) {
    const json& game = run->States.at(1)["Game"];
    EXPECT_EQ(game["LevelNumber"], 2);
    EXPECT_EQ(game["Phase"], 2) << "the next level's briefing";
    EXPECT_EQ(game["Score"], 200 + 50 * left);
  }
}

TEST_F(PlayE2e, ArcadeTimeOutEndsTheGame) {
  arcade_[0].TimeLimit = 5000;
  const auto run = Play(StartMode(1) + PassBriefing(1) + "frames 50 100\nstate\nframe 1\nstate\n");
  EXPECT_EQ(run.States.at(0)["ScreenState"], 10) << "5000 ms is still within the limit";
  EXPECT_EQ(run.States.at(1)["ScreenState"], 11);
  EXPECT_EQ(run.States.at(1)["Game"]["ResultTime"], 5000);
}

TEST_F(PlayE2e, BattleSpeedsUpEveryMinute) {
  modes_[0].SupplyInterval = 20000;
  const auto run = Play(StartMode(2) + PassBriefing(2) +
                        "frames 59 1000\nstate\nframes 2 1000\nstate\nframes 60 1000\nstate\n");
  EXPECT_EQ(run.States.at(0)["Game"]["Level"]["SupplyInterval"], 20000);
  EXPECT_EQ(run.States.at(1)["Game"]["Level"]["SupplyInterval"], 19000);
  EXPECT_EQ(run.States.at(2)["Game"]["Level"]["SupplyInterval"], 18000);
}

// F1 adds 100 points a frame: enough for a record before the level times out.
std::string ArcadeRecordGame() {
  return StartMode(1) + PassBriefing(1) + "frames 600 16 f1\nframes 20 100\nframes 10 100\n";
}

TEST_F(PlayE2e, ANewRecordIsTypedAndStored) {
  arcade_[0].TimeLimit = 10000;
  const std::string store = "--seed 5 --store " + (client_.Directory() / "hall.txt").string();
  // "A", right, "B", then down to the finish key in the last row.
  const auto run = Play(ArcadeRecordGame() +
                            "state\nframe 16 space\nframe 16\nframe 16 right\nframes 4 50\n"
                            "frame 16 space\nframe 16\nframe 16 down\nframes 4 50\n"
                            "frame 16 down\nframes 4 50\nframe 16 down\nframes 4 50\n"
                            "frame 16 down\nframes 4 50\nframe 16 right\nframes 4 50\n"
                            "frame 16 right\nframes 4 50\nframe 16 right\nframes 4 50\n"
                            "frame 16 right\nframes 4 50\nframe 16 right\nframes 4 50\n"
                            "frame 16 right\nframes 4 50\nframe 16 space\nframe 16\nstate\n",
                        store);
  ASSERT_EQ(run.States.size(), 2u);
  EXPECT_EQ(run.States[0]["ScreenState"], 12);
  EXPECT_EQ(run.States[0]["Game"]["NewRecord"], 1);
  EXPECT_EQ(run.States[1]["ScreenState"], 4) << "on to the hall of fame";
  EXPECT_EQ(run.States[1]["HallNames"][0], "AB");
  EXPECT_EQ(run.States[1]["HallScores"][0], "60000");

  const auto later = Play(
      "frames 80 100\nframe 16 down\nframe 16\nframe 16 down\nframe 16\n"
      "frame 16 enter\nframe 16\nstate\n",
      store);
  EXPECT_EQ(later.States.at(0)["ScreenState"], 4);
  EXPECT_EQ(later.States.at(0)["HallNames"][0], "AB") << "the entry was stored";
}

TEST_F(PlayE2e, EscOnTheNameEntryStoresNothing) {
  arcade_[0].TimeLimit = 10000;
  const std::string store = "--seed 5 --store " + (client_.Directory() / "hall.txt").string();
  const auto run =
      Play(ArcadeRecordGame() + "frame 16 space\nframe 16\nframe 16 esc\nstate\n" + "end\n", store);
  EXPECT_EQ(run.States.at(0)["ScreenState"], 4);
  EXPECT_EQ(run.States.at(0)["HallScores"][0], "50000") << "the default table is unchanged";
}

TEST_F(PlayE2e, QuitPromptIsAnsweredInTheNextLevel) {
  const auto run = Play(StartMode(1) + PassBriefing(1) +
                        "frame 16 esc\nframe 16 m\nframe 16\nstate\n"
                        "frames 200 100\nstate\nframes 25 100\nframe 16 space\nframes 20 100\n"
                        "frame 16\nstate\nframe 16 enter\nstate\n");
  ASSERT_EQ(run.States.size(), 4u);
  EXPECT_EQ(run.States[0]["Game"]["Phase"], 1) << "M ends the level under the question";
  EXPECT_EQ(run.States[1]["Game"]["LevelNumber"], 2);
  EXPECT_EQ(run.States[2]["Game"]["Phase"], 0);
  EXPECT_EQ(run.States[2]["Game"]["QuitPrompt"], 1) << "the question waited through the result";
  EXPECT_EQ(run.States[3]["ScreenState"], 1) << "Enter leaves for the main menu";
}
}  // namespace
