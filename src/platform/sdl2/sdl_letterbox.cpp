// Placing the picture on the output: whole-number scale where it fits, kept proportions always.
#include "platform/sdl2/sdl_letterbox.h"

#include <algorithm>

TLetterbox Letterbox(int32_t pictureWidth, int32_t pictureHeight, int32_t outputWidth,
                     int32_t outputHeight) {
  TLetterbox box;
  if (pictureWidth <= 0 || pictureHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) return box;
  const int32_t scale = std::min(outputWidth / pictureWidth, outputHeight / pictureHeight);
  if (scale >= 1) {
    box.Width = pictureWidth * scale;
    box.Height = pictureHeight * scale;
  } else if (int64_t{outputWidth} * pictureHeight <= int64_t{outputHeight} * pictureWidth) {
    box.Width = outputWidth;
    box.Height = static_cast<int32_t>(int64_t{outputWidth} * pictureHeight / pictureWidth);
  } else {
    box.Height = outputHeight;
    box.Width = static_cast<int32_t>(int64_t{outputHeight} * pictureWidth / pictureHeight);
  }
  box.X = (outputWidth - box.Width) / 2;
  box.Y = (outputHeight - box.Height) / 2;
  return box;
}
