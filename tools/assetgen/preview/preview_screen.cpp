// Drawing for the artwork previews, following the game's keyed and blended copies.
#include "preview/preview_screen.h"

#include <cctype>

#include "media/color.h"

void TPreviewScreen::Pixel(int x, int y, uint32_t pixel) {
  if (x >= 0 && y >= 0 && x < screen_.Width && y < screen_.Height) {
    screen_.Pixels[static_cast<size_t>(y) * screen_.Width + x] = pixel;
  }
}

void TPreviewScreen::Frame(int left, int top, int right, int bottom, uint32_t pixel) {
  for (int x = left; x < right; ++x) Pixel(x, top, pixel), Pixel(x, bottom - 1, pixel);
  for (int y = top; y < bottom; ++y) Pixel(left, y, pixel), Pixel(right - 1, y, pixel);
}

void TPreviewScreen::Box(int left, int top, int right, int bottom, uint32_t pixel) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) Pixel(x, y, pixel);
  }
}

void TPreviewScreen::Draw(const TPictureEntry& picture, int x, int y, int pattern, int alpha) {
  const TPicture& source = picture.Picture;
  const int pw = picture.PatternWidth > 0 ? picture.PatternWidth : source.Width;
  const int ph = picture.PatternHeight > 0 ? picture.PatternHeight : source.Height;
  const int columns = source.Width / pw;
  if (pattern < 0 || pattern >= columns * (source.Height / ph)) return;
  const int sx = (pattern % columns) * pw, sy = (pattern / columns) * ph;
  const uint32_t key = ColorToPixel(picture.TransparentColor);
  for (int row = 0; row < ph; ++row) {
    for (int col = 0; col < pw; ++col) {
      const uint32_t s = source.Pixels[static_cast<size_t>(sy + row) * source.Width + sx + col];
      if (picture.Transparent && s == key) continue;
      const int dx = x + col, dy = y + row;
      if (dx < 0 || dy < 0 || dx >= screen_.Width || dy >= screen_.Height) continue;
      uint32_t& d = screen_.Pixels[static_cast<size_t>(dy) * screen_.Width + dx];
      if (alpha >= 255) {
        d = s;
        continue;
      }
      uint32_t out = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const int sc = (s >> shift) & 255, dc = (d >> shift) & 255;
        out |= static_cast<uint32_t>((sc * alpha + dc * (255 - alpha)) / 256) << shift;
      }
      d = out;
    }
  }
}

void TPreviewScreen::Text(const TPictureEntry& font, int x, int y, const std::string& text,
                          int alpha) {
  for (size_t i = 0; i < text.size(); ++i) {
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    if (c == '|') c = '\\';
    Draw(font, x + static_cast<int>(i) * font.PatternWidth, y, c - 32, alpha);
  }
}
