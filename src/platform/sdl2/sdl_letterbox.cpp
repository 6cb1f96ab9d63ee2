// Placing the picture on the output: kept proportions always, whole-number scale when asked.
#include "platform/sdl2/sdl_letterbox.h"

#include <algorithm>

TLetterbox Letterbox(int32_t pictureWidth, int32_t pictureHeight, int32_t outputWidth,
                     int32_t outputHeight, TScaling scaling) {
  TLetterbox box;
  if (pictureWidth <= 0 || pictureHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) return box;
  const int32_t scale = std::min(outputWidth / pictureWidth, outputHeight / pictureHeight);
  if (scaling == TScaling::Integer && scale >= 1) {
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

int32_t CoveringFactor(int32_t pictureWidth, int32_t pictureHeight, const TLetterbox& box) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return 1;
  const int32_t across = (box.Width + pictureWidth - 1) / pictureWidth;
  const int32_t down = (box.Height + pictureHeight - 1) / pictureHeight;
  return std::max({1, across, down});
}

int32_t WholeWindowFactor(int32_t pictureWidth, int32_t pictureHeight, int32_t roomWidth,
                          int32_t roomHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return 1;
  return std::max(1, std::min(roomWidth / pictureWidth, roomHeight / pictureHeight));
}
