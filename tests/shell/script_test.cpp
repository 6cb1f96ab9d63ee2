// The runner's script lines: what is accepted, and that every typo is refused.
#include <gtest/gtest.h>

#include "platform/headless/script.h"

namespace {
TScriptCommand Parse(std::string_view line) {
  const auto command = ParseScriptLine(line);
  if (!command) throw std::runtime_error("expected a command from '" + std::string(line) + "'");
  return *command;
}

TEST(ScriptTest, FramesCarryTheirLagCountAndHeldKeys) {
  const TScriptCommand one = Parse("frame 16 Enter esc 77");
  EXPECT_EQ(one.Verb, TScriptVerb::Frames);
  EXPECT_EQ(one.Count, 1);
  EXPECT_EQ(one.Lag, 16);
  EXPECT_TRUE(one.Keys[13]);
  EXPECT_TRUE(one.Keys[27]);
  EXPECT_TRUE(one.Keys[77]);
  EXPECT_FALSE(one.Keys[32]);

  const TScriptCommand many = Parse("  frames 120 16 UP  ");
  EXPECT_EQ(many.Count, 120);
  EXPECT_EQ(many.Lag, 16);
  EXPECT_TRUE(many.Keys[38]);
  EXPECT_EQ(Parse("frames 0 5").Count, 0);
}

TEST(ScriptTest, KeyNamesAndCodes) {
  const std::pair<const char*, int32_t> names[] = {
      {"up", 38},  {"down", 40}, {"left", 37}, {"right", 39}, {"enter", 13}, {"space", 32},
      {"ESC", 27}, {"F1", 112},  {"m", 77},    {"1", 1},      {"255", 255}};
  for (const auto& [name, code] : names) EXPECT_EQ(ParseKeyName(name), code) << name;
  for (const char* bad : {"0", "256", "-1", "+5", "1e2", "enterr", "", "0x20"}) {
    EXPECT_THROW(ParseKeyName(bad), EScriptError) << "'" << bad << "'";
  }
}

TEST(ScriptTest, OtherCommands) {
  EXPECT_FALSE(Parse("drawable off").Drawable);
  EXPECT_TRUE(Parse("drawable ON").Drawable);
  EXPECT_EQ(Parse("state").Verb, TScriptVerb::State);
  EXPECT_EQ(Parse("end").Verb, TScriptVerb::End);
  const TScriptCommand shot = Parse("screenshot  out dir/first shot.png ");
  EXPECT_EQ(shot.Verb, TScriptVerb::Screenshot);
  EXPECT_EQ(shot.File, "out dir/first shot.png");
  EXPECT_FALSE(ParseScriptLine("").has_value());
  EXPECT_FALSE(ParseScriptLine("   \r").has_value());
  EXPECT_FALSE(ParseScriptLine("# frame banana").has_value());
}

TEST(ScriptTest, MistakesAreRefused) {
  for (const char* bad : {"fram 16", "frame", "frame 0", "frame -5", "frame 1.5", "frame 16 enterr",
                          "frame 2147483648", "frames 3", "frames -1 16", "drawable",
                          "drawable maybe", "state now", "screenshot", "end now"}) {
    EXPECT_THROW(ParseScriptLine(bad), EScriptError) << "'" << bad << "'";
  }
}
}  // namespace
