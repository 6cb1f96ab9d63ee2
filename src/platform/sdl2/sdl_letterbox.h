// Where the picture goes on a larger or smaller screen: proportions kept, centred, sharp.
#pragma once
#include <cstdint>

struct TLetterbox {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// The largest whole multiple of the picture that fits the output; on an output smaller than the
// picture, the largest size with the picture's proportions (shown nearest-neighbour).
TLetterbox Letterbox(int32_t pictureWidth, int32_t pictureHeight, int32_t outputWidth,
                     int32_t outputHeight);
