// A tiny stand-in screen for judging the artwork: keyed and blended pattern draws, bitmap text.
#pragma once
#include <string>

#include "media/container_writer.h"

class TPreviewScreen {
 public:
  TPreviewScreen() : screen_{640, 480, std::vector<uint32_t>(640 * 480, 0)} {}

  const TPicture& Picture() const { return screen_; }
  void Fill(uint32_t pixel) { std::fill(screen_.Pixels.begin(), screen_.Pixels.end(), pixel); }
  void Pixel(int x, int y, uint32_t pixel);
  // Outline from (left, top) to (right, bottom), right and bottom exclusive.
  void Frame(int left, int top, int right, int bottom, uint32_t pixel);
  void Box(int left, int top, int right, int bottom, uint32_t pixel);

  // Draws one pattern at its own size; alpha below 255 blends it like the game's blended draw.
  void Draw(const TPictureEntry& picture, int x, int y, int pattern = 0, int alpha = 255);
  // Text with a bitmap font, glyph cells in code order from 32.
  void Text(const TPictureEntry& font, int x, int y, const std::string& text, int alpha = 255);

 private:
  TPicture screen_;
};
