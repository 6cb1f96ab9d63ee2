// The SDL2 back end's pure parts: the scancode table and where the picture goes on the screen.
#include <gtest/gtest.h>

#include <set>

#include "platform/sdl2/sdl_keymap.h"
#include "platform/sdl2/sdl_letterbox.h"

namespace {
TEST(KeymapTest, TheGamesKeysAndTheirNeighbours) {
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_RETURN), 13);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_ENTER), 13);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_ESCAPE), 27);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_SPACE), 32);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_LEFT), 37);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_UP), 38);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_RIGHT), 39);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_DOWN), 40);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_M), 77);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_F1), 112);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_A), 'A');
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_Z), 'Z');
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_0), '0');
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_9), '9');
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_F12), 0x7B);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_F24), 0x87);
}

TEST(KeymapTest, LettersFollowTheirLabelOtherKeysTheirPosition) {
  EXPECT_EQ(VirtualKeyOfKey(SDL_SCANCODE_SEMICOLON, 'm'), 'M') << "AZERTY M";
  EXPECT_EQ(VirtualKeyOfKey(SDL_SCANCODE_M, ','), 0xBC) << "AZERTY comma is no M";
  EXPECT_EQ(VirtualKeyOfKey(SDL_SCANCODE_Y, 'z'), 'Z') << "QWERTZ";
  EXPECT_EQ(VirtualKeyOfKey(SDL_SCANCODE_M, 0x44C), 'M') << "Cyrillic keeps the position";
  EXPECT_EQ(VirtualKeyOfKey(SDL_SCANCODE_UP, SDLK_UP), 38);
  EXPECT_EQ(VirtualKeyOfKey(SDL_SCANCODE_SPACE, ' '), 32);
  EXPECT_EQ(VirtualKeyOfKey(SDL_SCANCODE_F1, SDLK_F1), 112);
  EXPECT_EQ(VirtualKeyOfKey(SDL_SCANCODE_1, '&'), '1') << "AZERTY digits stay by position";
}

TEST(KeymapTest, TheKeypadFollowsNumLock) {
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_8, true), 0x68) << "VK_NUMPAD8";
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_8, false), 38) << "Up with NumLock off";
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_2, false), 40);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_4, false), 37);
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_6, false), 39);
}

TEST(KeymapTest, ModifiersAreReportedWithAndWithoutTheirSide) {
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_LSHIFT), 0xA0);
  EXPECT_EQ(SidelessModifier(0xA0), 0x10);
  EXPECT_EQ(SidelessModifier(VirtualKeyOfScancode(SDL_SCANCODE_RCTRL)), 0x11);
  EXPECT_EQ(SidelessModifier(VirtualKeyOfScancode(SDL_SCANCODE_LALT)), 0x12);
  EXPECT_EQ(SidelessModifier(13), 0);
}

TEST(KeymapTest, TheTableCoversTheKeyboardWithValidCodes) {
  std::set<int32_t> codes;
  for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
    const int32_t code = VirtualKeyOfScancode(static_cast<SDL_Scancode>(scancode));
    EXPECT_GE(code, 0);
    EXPECT_LE(code, 255);
    if (code != 0) codes.insert(code);
  }
  EXPECT_GE(codes.size(), 140u) << "far more than the keys the game reads";
  EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(VirtualKeyOfScancode(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES)), 0);
}

struct Box {
  int32_t x, y, width, height;
  bool operator==(const Box&) const = default;
};
Box Place(int32_t width, int32_t height, TScaling scaling = TScaling::Integer) {
  const TLetterbox box = Letterbox(640, 480, width, height, scaling);
  return {box.X, box.Y, box.Width, box.Height};
}
void PrintTo(const Box& box, std::ostream* out) {
  *out << box.width << "x" << box.height << "+" << box.x << "+" << box.y;
}

TEST(LetterboxTest, WholeMultiplesWhereTheyFitKeptProportionsEverywhere) {
  EXPECT_EQ(Place(640, 480), (Box{0, 0, 640, 480}));
  EXPECT_EQ(Place(1280, 1024), (Box{0, 32, 1280, 960})) << "bars above and below";
  EXPECT_EQ(Place(1920, 1080), (Box{320, 60, 1280, 960})) << "scale 2, not a blurry 2.25";
  EXPECT_EQ(Place(800, 600), (Box{80, 60, 640, 480}));
  EXPECT_EQ(Place(2560, 1440), (Box{320, 0, 1920, 1440}));
  EXPECT_EQ(Place(320, 240), (Box{0, 0, 320, 240})) << "smaller than the picture: shrunk";
  EXPECT_EQ(Place(500, 480), (Box{0, 52, 500, 375}));
  EXPECT_EQ(Place(0, 0), (Box{0, 0, 0, 0}));
}

TEST(LetterboxTest, SharpFillsTheLargestFourByThreeAndScalesUpByTheCoveringFactor) {
  const auto sharp = [](int32_t width, int32_t height) {
    const TLetterbox box = Letterbox(640, 480, width, height, TScaling::Sharp);
    return std::pair(Box{box.X, box.Y, box.Width, box.Height}, CoveringFactor(640, 480, box));
  };
  EXPECT_EQ(sharp(1366, 768), std::pair(Box{171, 0, 1024, 768}, 2)) << "height-filling";
  EXPECT_EQ(sharp(1920, 1080), std::pair(Box{240, 0, 1440, 1080}, 3));
  EXPECT_EQ(sharp(1280, 1024), std::pair(Box{0, 32, 1280, 960}, 2)) << "5:4: width-filling";
  EXPECT_EQ(sharp(1600, 900), std::pair(Box{200, 0, 1200, 900}, 2));
  EXPECT_EQ(sharp(320, 240), std::pair(Box{0, 0, 320, 240}, 1));
}
}  // namespace
