// Compressing pictures to JPEG (JFIF) files for the picture container.
#pragma once
#include <cstdint>
#include <vector>

#include "media/picture_list.h"

// A baseline JFIF file of the picture at the given quality (1..100); throws EJPEG on failure.
std::vector<uint8_t> EncodeJpeg(const TPicture& picture, int quality);
