// Reading device-independent bitmaps (the "TDIB" payload) and BMP files (the "TBitmap" payload).
#pragma once
#include <cstdint>
#include <span>

#include "media/container_bytes.h"
#include "media/picture_list.h"

// Largest picture any decoder accepts (2048 x 2048). The game's pictures are far smaller; the cap
// keeps a header or a run-length stream from claiming gigabytes with a few bytes of data.
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 22;

// Reads one DIB (12- or 40-byte header, masks, colour table, rows) from the reader. With nothing
// left to read, the picture is empty. Raises EInvalidGraphic "DIB is invalid",
// "Bitcount in invalid (%d)" or "PixelFormat in invalid", and EReadError "Stream read error" when
// the data ends early.
TPicture ReadDib(TByteReader& in);

// A BMP file: the 14-byte file header starting with "BM" ("Bitmap image is not valid" when it
// does not), then a DIB as above.
TPicture ReadBmpFile(std::span<const uint8_t> file);
