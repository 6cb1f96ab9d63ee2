// Decoding the "TJPEGImage" payload: a JFIF file to a 24-bit picture.
#pragma once
#include <cstdint>
#include <span>

#include "media/picture_list.h"

// Full size, RGB output, floating-point inverse DCT, block smoothing on, other settings at the
// library's defaults. Raises EJPEG (media/jpeg_error.h) with the library's message on a bad file,
// and for pictures above kMaxPicturePixels or with an absurd number of progressive scans.
TPicture DecodeJpeg(std::span<const uint8_t> file);
