// Where the picture goes on a larger or smaller screen: proportions kept, centred, sharp.
#pragma once
#include <cstdint>

struct TLetterbox {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// Sharp: the largest rectangle with the picture's proportions that fits the output. Integer: the
// largest whole multiple of the picture that fits, or on an output smaller than the picture the
// proportional fit.
enum class TScaling { Sharp, Integer };

TLetterbox Letterbox(int32_t pictureWidth, int32_t pictureHeight, int32_t outputWidth,
                     int32_t outputHeight, TScaling scaling);

// The smallest whole factor by which the picture covers the box: the size of the nearest-neighbour
// step that keeps every source pixel square before the smooth step down to the box.
int32_t CoveringFactor(int32_t pictureWidth, int32_t pictureHeight, const TLetterbox& box);

// The largest whole multiple of the picture that fits a room (a monitor's work area less the
// window's frame); at least the picture itself.
int32_t WholeWindowFactor(int32_t pictureWidth, int32_t pictureHeight, int32_t roomWidth,
                          int32_t roomHeight);
