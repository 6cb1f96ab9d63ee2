// The keyboard state: cleared on every update, read only in the foreground, codes 1..255 only.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "media/input.h"

namespace {
TEST(KeyboardTest, KeysOutsideTheTableReadUp) {
  FakeKeyboard backend;
  TDXInput input(backend);
  input.Keyboard.KeyStates.fill(0x80);
  EXPECT_FALSE(input.Keyboard.Keys(0));
  EXPECT_FALSE(input.Keyboard.Keys(256));
  EXPECT_FALSE(input.Keyboard.Keys(-1));
  EXPECT_TRUE(input.Keyboard.Keys(255));
}

TEST(KeyboardTest, AHeldKeyReadsDownInEveryFrameAndAReleasedOneUp) {
  FakeKeyboard backend;
  TDXInput input(backend);
  backend.down = {VK_RETURN};
  for (int frame = 0; frame < 3; ++frame) {
    input.Update();
    EXPECT_TRUE(input.Keyboard.Keys(VK_RETURN)) << "frame " << frame;
  }
  backend.down.clear();
  input.Update();
  EXPECT_FALSE(input.Keyboard.Keys(VK_RETURN)) << "the previous sample must be cleared";
}

TEST(KeyboardTest, EveryKeyReadsUpOutsideTheForeground) {
  FakeKeyboard backend;
  TDXInput input(backend);
  backend.down = {VK_RETURN, VK_ESCAPE, VK_UP};
  backend.foreground = false;
  input.Update();
  for (int code = 1; code <= 255; ++code) EXPECT_FALSE(input.Keyboard.Keys(code)) << code;
  input.Keyboard.Update();
  EXPECT_FALSE(input.Keyboard.Keys(VK_ESCAPE)) << "the keyboard alone samples the same way";

  input.ActiveOnly = false;
  input.Update();
  EXPECT_TRUE(input.Keyboard.Keys(VK_ESCAPE)) << "without ActiveOnly the background reads too";
}
}  // namespace
