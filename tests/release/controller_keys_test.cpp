// Controller state read as the game's virtual keys.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "media/input.h"
#include "platform/sdl2/sdl_controllers.h"

namespace {
std::set<int32_t> KeysOf(const TControllerState& state) {
  std::array<uint8_t, 256> keys{};
  AddControllerKeys(state, keys);
  std::set<int32_t> down;
  for (size_t key = 0; key < keys.size(); ++key) {
    if (keys[key] != 0) {
      EXPECT_EQ(keys[key], 0x80) << "key " << key << " should read as held (0x80)";
      down.insert(static_cast<int32_t>(key));
    }
  }
  return down;
}

TEST(ControllerKeys, ButtonsAreTheGameKeys) {
  EXPECT_EQ(KeysOf({}), std::set<int32_t>{}) << "an idle controller holds no key";
  TControllerState state;
  state.DpadUp = state.DpadLeft = true;
  EXPECT_EQ(KeysOf(state), (std::set<int32_t>{VK_UP, VK_LEFT}));
  state = {};
  state.DpadDown = state.DpadRight = true;
  EXPECT_EQ(KeysOf(state), (std::set<int32_t>{VK_DOWN, VK_RIGHT}));
  state = {};
  state.A = true;
  EXPECT_EQ(KeysOf(state), std::set<int32_t>{VK_SPACE});
  state = {};
  state.Start = true;
  EXPECT_EQ(KeysOf(state), std::set<int32_t>{VK_RETURN});
  state = {};
  state.B = true;
  EXPECT_EQ(KeysOf(state), std::set<int32_t>{VK_ESCAPE});
  state = {};
  state.Back = true;
  EXPECT_EQ(KeysOf(state), std::set<int32_t>{VK_ESCAPE});
}

TEST(ControllerKeys, StickCountsOnlyPastTheDeadZone) {
  TControllerState state;
  state.LeftX = kStickDeadZone;
  state.LeftY = -kStickDeadZone;
  EXPECT_EQ(KeysOf(state), std::set<int32_t>{}) << "a stick at the dead zone's edge is at rest";
  state.LeftX = kStickDeadZone + 1;
  state.LeftY = static_cast<int16_t>(-kStickDeadZone - 1);
  EXPECT_EQ(KeysOf(state), (std::set<int32_t>{VK_RIGHT, VK_UP}));
  state.LeftX = -32768;
  state.LeftY = 32767;
  EXPECT_EQ(KeysOf(state), (std::set<int32_t>{VK_LEFT, VK_DOWN})) << "the axes' far ends";
}

TEST(ControllerKeys, AddsToTheKeyboardWithoutClearingIt) {
  std::array<uint8_t, 256> keys{};
  keys[VK_SPACE] = 0x80;
  keys[VK_UP] = 0x01;  // a toggle bit the keyboard may leave
  TControllerState state;
  state.DpadUp = true;
  AddControllerKeys(state, keys);
  EXPECT_EQ(keys[VK_SPACE], 0x80) << "a key held on the keyboard stays held";
  EXPECT_EQ(keys[VK_UP], 0x81) << "the controller's arrow is ORed in";
}
}  // namespace
