// Writing the two asset containers (pictures and sounds) in the layout the game reads.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/color.h"
#include "media/picture_list.h"

enum class TPictureEncoding : uint8_t { Dib32, Dib24, Dib8, Jpeg };

struct TPictureEntry {
  std::string Name;
  TPicture Picture;  // $00RRGGBB pixels, top row first
  int32_t PatternWidth = 0;
  int32_t PatternHeight = 0;
  int32_t SkipWidth = 0;
  int32_t SkipHeight = 0;
  bool Transparent = true;
  TColor TransparentColor = clBlack;
  TPictureEncoding Encoding = TPictureEncoding::Dib24;
  int JpegQuality = 90;
};

struct TSoundEntry {
  std::string Name;
  int32_t SampleRate = 22050;
  int16_t Channels = 1;
  int16_t BitsPerSample = 16;  // 8 (unsigned) or 16 (signed)
  std::vector<uint8_t> Data;   // interleaved little-endian samples
  bool Looped = false;
  int32_t MaxPlayingCount = 0;
};

// The container bytes; throw std::runtime_error on a picture they cannot encode.
std::vector<uint8_t> EncodePictureContainer(const std::vector<TPictureEntry>& entries);
std::vector<uint8_t> EncodeSoundContainer(const std::vector<TSoundEntry>& entries);
// Write the bytes to a file; throw std::runtime_error when the file cannot be written.
void WritePictureContainer(const std::string& path, const std::vector<TPictureEntry>& entries);
void WriteSoundContainer(const std::string& path, const std::vector<TSoundEntry>& entries);
