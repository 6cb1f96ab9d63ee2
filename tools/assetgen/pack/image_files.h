// Reading PNG, BMP and JPEG picture files into pictures, and writing PNG.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/picture_list.h"

// Decodes a picture file by its content (PNG, BMP or JPEG signature); alpha is dropped.
// Throws std::runtime_error naming the file when it cannot be read.
TPicture ReadImageFile(const std::string& path);
TPicture DecodeImage(const std::vector<uint8_t>& bytes, const std::string& what);

TPicture DecodePng(const std::vector<uint8_t>& bytes, const std::string& what);
TPicture DecodeBmp(const std::vector<uint8_t>& bytes, const std::string& what);
TPicture DecodeJpeg(const std::vector<uint8_t>& bytes, const std::string& what);

void WritePng(const std::string& path, const TPicture& picture);

std::vector<uint8_t> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);
