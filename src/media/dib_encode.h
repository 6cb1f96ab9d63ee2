// Encoding pictures as device-independent bitmaps (info header, bottom-up rows) for the containers.
#pragma once
#include <cstdint>
#include <vector>

#include "media/picture_list.h"

// 24 or 32 bits per pixel; throws std::runtime_error for other depths or a malformed picture.
std::vector<uint8_t> EncodeDibTrueColor(const TPicture& picture, int bitCount);
// 8 bits per pixel with a palette of the picture's colours; throws when it has more than 256.
std::vector<uint8_t> EncodeDibPalette8(const TPicture& picture);
