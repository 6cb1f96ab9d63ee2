// A controller plugged in, pressed and pulled out, through SDL's own virtual controller: the
// same events and state reads a physical one goes through.
#include <gtest/gtest.h>

#include <array>

#include "media/input.h"
#include "platform/sdl2/sdl_controllers.h"

namespace {
class ControllerPlug : public testing::Test {
 protected:
  void SetUp() override {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
      GTEST_SKIP() << "no controller support: " << SDL_GetError();
    }
  }
  void TearDown() override { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

  // Hands the queued plug events to the controllers, as the game's message loop does.
  void DeliverEvents(TSdlControllers& controllers) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) controllers.HandleEvent(event);
  }

  int Plug() {
    return SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                     SDL_CONTROLLER_BUTTON_MAX, 0);
  }

  static std::array<uint8_t, 256> Keys(const TSdlControllers& controllers) {
    SDL_GameControllerUpdate();
    std::array<uint8_t, 256> keys{};
    controllers.AddKeys(keys);
    return keys;
  }
};

TEST_F(ControllerPlug, PluggedControllerPressesKeysUntilPulledOut) {
  TSdlControllers controllers;
  const int device = Plug();
  ASSERT_GE(device, 0) << SDL_GetError();
  ASSERT_TRUE(SDL_IsGameController(device)) << "the virtual pad should count as a controller";
  DeliverEvents(controllers);
  ASSERT_EQ(controllers.Count(), 1u);
  SDL_Joystick* pad = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
  ASSERT_NE(pad, nullptr);

  EXPECT_EQ(Keys(controllers), (std::array<uint8_t, 256>{})) << "nothing pressed yet";
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -30000);
  auto keys = Keys(controllers);
  EXPECT_EQ(keys[VK_SPACE], 0x80) << "A is Space";
  EXPECT_EQ(keys[VK_LEFT], 0x80) << "the stick pushed left is the left arrow";
  EXPECT_EQ(keys[VK_RIGHT], 0) << "and not the right one";

  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 0);
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, SDL_PRESSED);
  keys = Keys(controllers);
  EXPECT_EQ(keys[VK_RETURN], 0x80) << "Start is Enter";
  EXPECT_EQ(keys[VK_SPACE], 0) << "A let go";

  ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0) << SDL_GetError();
  DeliverEvents(controllers);
  EXPECT_EQ(controllers.Count(), 0u) << "a pulled controller is closed";
  EXPECT_EQ(Keys(controllers)[VK_RETURN], 0) << "and holds no key any more";
}

TEST_F(ControllerPlug, TwoControllersBothCount) {
  TSdlControllers controllers;
  const int first = Plug();
  const int second = Plug();
  ASSERT_GE(first, 0) << SDL_GetError();
  ASSERT_GE(second, 0) << SDL_GetError();
  DeliverEvents(controllers);
  EXPECT_EQ(controllers.Count(), 2u);
  SDL_Joystick* pad = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(second));
  ASSERT_NE(pad, nullptr);
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_B, SDL_PRESSED);
  EXPECT_EQ(Keys(controllers)[VK_ESCAPE], 0x80) << "B on the second pad is Esc";
  SDL_JoystickDetachVirtual(second);
  SDL_JoystickDetachVirtual(first);
  DeliverEvents(controllers);
  EXPECT_EQ(controllers.Count(), 0u);
}
}  // namespace
