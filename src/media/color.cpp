// TColor to RGB and to surface pixels, with the classic interface colours behind system colours.
#include "media/color.h"

#include <array>

namespace {
// The classic Windows interface colours, as $00BBGGRR, by system colour index.
constexpr std::array<uint32_t, 31> kSystemColors = {
    0xC0C0C0,  //  0 scroll bar
    0x808000,  //  1 desktop background
    0x800000,  //  2 active caption
    0x808080,  //  3 inactive caption
    0xC0C0C0,  //  4 menu
    0xFFFFFF,  //  5 window
    0x000000,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0xFFFFFF,  //  9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x800000,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x000000,  // 21 3-D dark shadow
    0xC0C0C0,  // 22 3-D light
    0x000000,  // 23 tooltip text
    0xE1FFFF,  // 24 tooltip background
    0x000000,  // 25 unassigned
    0xFF0000,  // 26 hot-tracked item
    0xD08410,  // 27 active caption gradient
    0xB5B5B5,  // 28 inactive caption gradient
    0x800000,  // 29 menu highlight
    0xC0C0C0,  // 30 menu bar
};
}  // namespace

uint32_t ColorToRGB(TColor color) {
  if (color < 0) {
    const uint32_t index = static_cast<uint32_t>(color) & 0xFF;
    // Like the platform's table, an unknown index reads as black.
    return index < kSystemColors.size() ? kSystemColors[index] : 0;
  }
  return static_cast<uint32_t>(color) & 0xFFFFFF;
}

uint32_t ColorToPixel(TColor color) {
  const uint32_t rgb = ColorToRGB(color);
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
