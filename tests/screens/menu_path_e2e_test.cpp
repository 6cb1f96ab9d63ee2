// The whole way a player goes: intro, menus, a "destrukce" game with a record, name entry,
// hall of fame and back, through brunival-headless with the built data set.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "headless_client.h"

namespace {
using nlohmann::json;
namespace fs = std::filesystem;

void CopyDataSet(const fs::path& into) {
  fs::copy(BRUNIVAL_DATA_DIR, into, fs::copy_options::recursive);
}

bool HasEvent(const json& state, const std::string& event) {
  for (const auto& e : state["Events"]) {
    if (e == event) return true;
  }
  return false;
}

// Frames with the key held, then a frame with it released (the game acts once per press).
std::string Press(const std::string& key, int times = 1) {
  std::string script;
  for (int i = 0; i < times; ++i) script += "frame 20 " + key + "\nframe 20\n";
  return script;
}

// A move on the name-entry keyboard, waiting out the 100 ms slide before the next key.
std::string Move(const std::string& key, int times = 1) {
  std::string script;
  for (int i = 0; i < times; ++i) script += "frame 20 " + key + "\nframes 8 20\n";
  return script;
}

std::string ScriptUpToTheModeChoice() {
  return "frames 390 20\n"  // the intro hands over at 7700 ms
         "state\n" +
         Press("enter") + "state\n";
}

TEST(MenuPathE2E, FromStartUpThroughARecordToTheHallOfFameAndBack) {
  THeadlessClient client;
  CopyDataSet(client.Directory());
  const std::string store = (client.Directory() / "scores.store").string();

  std::string script = ScriptUpToTheModeChoice();
  script += Press("down", 2) + Press("enter");  // "destrukce"
  script += "state\n";
  script += "frames 60 20\n" + Press("space");  // past the 1100 ms briefing delay
  script += "frames 80 20\n";                   // the briefing slides out
  script += "state\n";
  script += "frames 60 20 f1\n";                // 6000 points, a record
  script += "frame 20 m\nframe 20\n";           // end the game
  script += "state\n";
  script += "frames 400 20\n";                  // result, curtains
  script += "state\n";
  script += Press("space") + Move("right") + Press("space");  // "AB"
  script += Move("down", 4) + Move("right", 6) + Press("space");  // the finish key
  script += "state\n";
  script += Press("esc");
  script += "state\n";

  const THeadlessRun run = client.Run(script, "--seed 11 --store " + store);
  ASSERT_EQ(run.Status, 0) << run.Err;
  ASSERT_EQ(run.States.size(), 8u);

  EXPECT_EQ(run.States[0]["ScreenState"], 1);
  EXPECT_EQ(run.States[0]["HlMenu"]["Items"][0], "start");
  EXPECT_EQ(run.States[1]["ScreenState"], 2);
  EXPECT_TRUE(HasEvent(run.States[1], "play menu_ok"));

  const json& started = run.States[2];
  EXPECT_EQ(started["ScreenState"], 10);
  EXPECT_EQ(started["Game"]["GameMode"], 3);
  EXPECT_TRUE(HasEvent(started, "play mezihra"));

  EXPECT_EQ(run.States[3]["Game"]["Phase"], 0) << "play has begun";
  EXPECT_EQ(run.States[4]["Game"]["Phase"], 1) << "M ends the game into its result";

  const json& entry = run.States[5];
  ASSERT_EQ(entry["ScreenState"], 12) << "the curtains have closed";
  EXPECT_EQ(entry["Game"]["NewRecord"], 1);
  EXPECT_TRUE(HasEvent(entry, "play rekord"));

  const json& hall = run.States[6];
  EXPECT_EQ(hall["ScreenState"], 4);
  EXPECT_EQ(hall["HlMenu"]["Items"][0], "start");
  // Some 6000 points beat only the last default entry (5000) of the "destrukce" table.
  EXPECT_EQ(hall["HallNames"][29], "AB");
  EXPECT_EQ(hall["HallScores"][29], std::to_string(entry["Game"]["Score"].get<int>()));
  EXPECT_EQ(hall["HallScores"][28], "10000");
  EXPECT_TRUE(HasEvent(hall, "music play 0")) << "the menu song starts again with the hall of fame";

  const json& back = run.States[7];
  EXPECT_EQ(back["ScreenState"], 1);
  EXPECT_EQ(back["HlMenu"]["Selected"], 1);
  EXPECT_TRUE(HasEvent(back, "play menu_zpet"));

  // A second run reads the stored tables from the main menu's "sin slavy".
  const THeadlessRun again = client.Run(
      "frames 390 20\n" + Press("down", 2) + Press("enter") + "state\n", "--seed 12 --store " + store);
  ASSERT_EQ(again.Status, 0) << again.Err;
  ASSERT_FALSE(again.States.empty());
  EXPECT_EQ(again.States.back()["ScreenState"], 4);
  EXPECT_EQ(again.States.back()["HallNames"][29], "AB");
}

TEST(MenuPathE2E, QuitQuestionClosesTheWindow) {
  THeadlessClient client;
  CopyDataSet(client.Directory());
  const THeadlessRun run =
      client.Run("frames 390 20\n" + Press("esc") + "state\n" + Press("enter") + "state\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  ASSERT_EQ(run.States.size(), 2u);
  EXPECT_EQ(run.States[0]["ScreenState"], 6);
  EXPECT_FALSE(run.States[0]["Closed"]);
  EXPECT_TRUE(run.States[1]["Closed"]);
}

TEST(MenuPathE2E, MeshLinesLeaveTheirEndPointsUndrawn) {
  THeadlessClient client;
  CopyDataSet(client.Directory());
  // The mode choice's mesh: lines at even x 320..620 from y 234 to y 442 and at even y 234..442
  // from x 320 to x 620; (620, 442) ends both the last column and the last row, so stays undrawn.
  const THeadlessRun run =
      client.Run("frames 390 20\n" + Press("enter") + "screenshot modes.png\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const TScreenshot shot = client.Screenshot("modes.png");
  const uint32_t mesh = 0x101010;
  EXPECT_EQ(shot.Pixel(620, 441), mesh);
  EXPECT_EQ(shot.Pixel(619, 442), mesh);
  EXPECT_EQ(shot.Pixel(320, 234), mesh);
  EXPECT_NE(shot.Pixel(620, 442), mesh);
}

TEST(MenuPathE2E, QuitQuestionDarkensEveryOtherRowAndColumn) {
  THeadlessClient client;
  CopyDataSet(client.Directory());
  const THeadlessRun run = client.Run("frames 390 20\n" + Press("esc") + "screenshot quit.png\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const TScreenshot shot = client.Screenshot("quit.png");
  int blackOnEven = 0;
  for (int x = 0; x < 640; x += 2) blackOnEven += shot.Pixel(x, 51) == 0 ? 1 : 0;
  EXPECT_EQ(blackOnEven, 320) << "every even column is black";
  int blackOnEvenRow = 0;
  for (int x = 1; x < 640; x += 2) blackOnEvenRow += shot.Pixel(x, 50) == 0 ? 1 : 0;
  EXPECT_EQ(blackOnEvenRow, 320) << "every even row is black";
}
}  // namespace
