// The game in another language through brunival-headless: English menus and overlays, and a
// missing or damaged catalogue falling back to Czech without stopping the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "headless_client.h"

namespace {
namespace fs = std::filesystem;

// Into the mode choice, into an arcade game during its briefing, then past it to the quit
// question; a state at each stop. HlMenu items are listed from label 1.
const std::string kWalk =
    "frames 390 20\nstate\n"
    "frame 20 enter\nframe 20\nstate\n"
    "frame 20 enter\nframe 20\nframes 100 20\nstate\nscreenshot briefing.png\n"
    "frame 20 space\nframe 20\nframes 80 20\nframe 20 esc\nframe 20\nstate\n";

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(LanguageE2E, EnglishWalksTheMenusIntoAGameAndCzechStaysTheRunnersDefault) {
  THeadlessClient english;
  fs::copy(BRUNIVAL_DATA_DIR, english.Directory(), fs::copy_options::recursive);
  const THeadlessRun run = english.Run(kWalk, "--seed 4 --lang en");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  ASSERT_EQ(run.States.size(), 4u);
  EXPECT_EQ(run.States[0]["HlMenu"]["Items"][1], "settings");
  EXPECT_EQ(run.States[0]["HlMenu"]["Items"][2], "hi-scores");
  EXPECT_EQ(run.States[1]["HlMenu"]["Items"][0], "arcade");
  EXPECT_EQ(run.States[1]["HlMenu"]["Items"][1], "survival") << "a mode without an opponent";
  EXPECT_EQ(run.States[3]["Game"]["QuitPrompt"], 1);
  const TScreenshot englishBriefing = english.Screenshot("briefing.png");

  THeadlessClient czech;
  fs::copy(BRUNIVAL_DATA_DIR, czech.Directory(), fs::copy_options::recursive);
  const THeadlessRun czechRun = czech.Run(kWalk, "--seed 4");
  ASSERT_EQ(czechRun.Status, 0) << czechRun.Err;
  EXPECT_EQ(czechRun.States[0]["HlMenu"]["Items"][1], "nastaveni");
  // "level 1" and "uroven 1" lie differently on the same board.
  EXPECT_NE(englishBriefing.Rgb, czech.Screenshot("briefing.png").Rgb);
}

TEST(LanguageE2E, AMissingOrDamagedCatalogueFallsBackToCzechAndSaysSoOnce) {
  THeadlessClient client;
  fs::copy(BRUNIVAL_DATA_DIR, client.Directory(), fs::copy_options::recursive);
  const THeadlessRun missing = client.Run(kWalk, "--seed 4 --lang de");
  ASSERT_EQ(missing.Status, 0) << missing.Err;
  EXPECT_EQ(missing.States[0]["HlMenu"]["Items"][1], "nastaveni");
  EXPECT_EQ(Count(missing.Err, "lang/de.txt"), 1u) << missing.Err;

  std::ofstream(client.Directory() / "lang/de.txt", std::ios::binary)
      << "menu.2=optionen\n\x01\xff garbage\nmode.1\n=x\nmode.1=arkade\n";
  const THeadlessRun damaged = client.Run(kWalk, "--seed 4 --lang de");
  ASSERT_EQ(damaged.Status, 0) << damaged.Err;
  EXPECT_EQ(damaged.States[0]["HlMenu"]["Items"][1], "optionen");
  EXPECT_EQ(damaged.States[0]["HlMenu"]["Items"][2], "sin slavy");
  EXPECT_EQ(damaged.States[1]["HlMenu"]["Items"][0], "arkade");
  EXPECT_EQ(damaged.States[3]["Game"]["QuitPrompt"], 1);
  EXPECT_EQ(Count(damaged.Err, "left out"), 3u) << damaged.Err;
  EXPECT_EQ(Count(damaged.Err, "\"menu.3\""), 1u);
  EXPECT_EQ(Count(damaged.Err, "\"menu.2\""), 0u);
}
}  // namespace
