// The runner's fixed interface: the members of the state object, exit statuses, script input.
#include <gtest/gtest.h>

#include "headless_client.h"

namespace {
using nlohmann::json;

void ExpectLevel(const json& level, const std::string& where) {
  for (const char* member :
       {"TimeLimit", "SupplyInterval", "MoleculeGoal", "MinMoleculeSize", "BriefingDelay"}) {
    EXPECT_TRUE(level.contains(member) && level[member].is_number()) << where << "." << member;
  }
  EXPECT_TRUE(level["AtomKinds"].is_string()) << where << ".AtomKinds";
}

void ExpectArray(const json& value, size_t size, const std::string& where) {
  ASSERT_TRUE(value.is_array()) << where << " is " << value.type_name();
  EXPECT_EQ(value.size(), size) << where;
}

TEST(RunnerContractTest, TheStateObjectHasEveryMember) {
  THeadlessClient client;
  const THeadlessRun run = client.Run("state\n", "--seed 7");
  ASSERT_EQ(run.Status, 0) << run.Err;
  ASSERT_EQ(run.States.size(), 1u);
  const json& state = run.States[0];

  for (const char* member : {"ScreenState", "StateTime", "LatchUp", "LatchDown", "LatchLeft",
                             "LatchRight", "LatchConfirm", "LatchBack", "InfoTopLine"}) {
    EXPECT_TRUE(state.contains(member) && state[member].is_number_integer()) << member;
  }
  for (const char* member :
       {"Closed", "ConfigFailed", "GraphicsFailed", "SoundsFailed", "MusicFailed"}) {
    EXPECT_TRUE(state.contains(member) && state[member].is_boolean()) << member;
  }
  ExpectArray(state["HlMenu"]["Items"], 5, "HlMenu.Items");
  EXPECT_EQ(state["HlMenu"]["Items"][0], "START");
  EXPECT_EQ(state["HlMenu"]["ItemCount"], 5);
  EXPECT_EQ(state["HlMenu"]["Selected"], 1);
  ExpectArray(state["Settings"], 3, "Settings");
  ExpectArray(state["Intro"], 3, "Intro");
  for (const json& picture : state["Intro"]) {
    EXPECT_TRUE(picture.contains("Alpha") && picture.contains("X") && picture.contains("Y"));
  }

  const json& game = state["Game"];
  EXPECT_FALSE(game.contains("StateTime")) << "StateTime is a top-level member";
  for (const char* member :
       {"QueueCount",    "CursorCol",   "CursorRow",       "CursorOffsetX", "CursorOffsetY",
        "CursorStepX",   "CursorStepY", "CursorPulseStep", "CursorPulse",   "Score",
        "GameMode",      "QuitPrompt",  "NewRecord",       "LevelNumber",   "Phase",
        "MoleculesMade", "ResultTime",  "OverlaySlide",    "NextAtomTime",  "BoardCleared"}) {
    EXPECT_TRUE(game.contains(member) && game[member].is_number()) << "Game." << member;
  }
  EXPECT_TRUE(game["EnteredName"].is_string());
  ExpectLevel(game["Level"], "Game.Level");
  ExpectArray(game["Queue"], 21, "Game.Queue");
  EXPECT_EQ(game["Queue"][0]["Y"], 462) << "the floor marker";
  EXPECT_TRUE(game["Queue"][0].contains("Kind") && game["Queue"][0].contains("LandSound"));
  ExpectArray(game["Board"], 14, "Game.Board");
  for (const json& column : game["Board"]) ExpectArray(column, 12, "a board column");
  for (const char* member : {"Kind", "FreeElectrons", "ElectronAngle", "BondUp", "BondDown",
                             "BondLeft", "BondRight", "BlastRadius"}) {
    EXPECT_TRUE(game["Board"][13][11].contains(member)) << "cell." << member;
  }

  ExpectArray(state["ArcadeLevels"], 20, "ArcadeLevels");
  ExpectLevel(state["ArcadeLevels"][19], "ArcadeLevels[20]");
  EXPECT_EQ(state["ArcadeLevels"][0]["BriefingDelay"], 2000);
  ExpectArray(state["ModeParams"], 4, "ModeParams");
  EXPECT_EQ(state["ModeParams"][3]["BriefingDelay"], 1100);
  ExpectArray(state["HallNames"], 30, "HallNames");
  ExpectArray(state["HallScores"], 30, "HallScores");
  ExpectArray(state["Songs"], 4, "Songs");
  for (const json& song : state["Songs"]) {
    EXPECT_TRUE(song["Loaded"].is_boolean() && song["Playing"].is_boolean() &&
                song["MasterVolume"].is_number());
  }
  EXPECT_TRUE(state["Waves"].is_object());
  EXPECT_TRUE(state["Events"].is_array());
}

TEST(RunnerContractTest, ScriptErrorsNameTheirLineAndStopWithStatusTwo) {
  const std::pair<const char*, const char*> scripts[] = {
      {"state\nflip 16\n", "line 2"},
      {"# comment\n\nframe sixteen\n", "line 3"},
      {"frame 16 shift\n", "line 1"},
  };
  for (const auto& [script, line] : scripts) {
    THeadlessClient client;
    const THeadlessRun run = client.Run(script);
    EXPECT_EQ(run.Status, 2) << script;
    EXPECT_NE(run.Err.find(line), std::string::npos) << "stderr was: " << run.Err;
  }
}

TEST(RunnerContractTest, EndStopsReadingAndTheScriptMayComeOnStandardInput) {
  THeadlessClient client;
  const THeadlessRun run = client.Run("frame 5\nstate\nend\nthis is not read\n", "", true);
  EXPECT_EQ(run.Status, 0) << run.Err;
  ASSERT_EQ(run.States.size(), 1u);
  EXPECT_EQ(run.States[0]["StateTime"], 5);
}

TEST(RunnerContractTest, OptionsAreAcceptedAndBadOnesRefused) {
  THeadlessClient client;
  const std::string store = (client.Directory() / "scores.store").string();
  EXPECT_EQ(client.Run("frame 1\n", "--seed 42 --store '" + store + "' --store-fail").Status, 0);
  EXPECT_EQ(client.Run("frame 1\n", "--seed banana").Status, 1);
  EXPECT_EQ(client.Run("frame 1\n", "--loud").Status, 1);
}

TEST(RunnerContractTest, AScreenshotThatCannotBeWrittenIsARunnerFailure) {
  THeadlessClient client;
  const THeadlessRun run = client.Run("frame 1\nscreenshot no/such/dir/shot.png\nstate\n");
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("no/such/dir/shot.png"), std::string::npos) << run.Err;
}
}  // namespace
