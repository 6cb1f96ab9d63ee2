// Writes pictures as 8-, 24- and 32-bit device-independent bitmaps with a 40-byte info header.
#include "media/dib_encode.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "media/container_stream.h"

namespace {

constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dpi, what paint programs put there

void CheckPicture(const TPicture& picture) {
  if (picture.Width <= 0 || picture.Height <= 0) {
    throw std::runtime_error("Cannot encode an empty picture as DIB");
  }
  const uint64_t count = static_cast<uint64_t>(picture.Width) * picture.Height;
  if (picture.Pixels.size() != count) {
    throw std::runtime_error("Picture holds " + std::to_string(picture.Pixels.size()) +
                             " pixels, expected " + std::to_string(count));
  }
}

uint32_t RowSize(int32_t width, int bitCount) {
  return static_cast<uint32_t>(((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4);
}

void InfoHeader(TContainerStreamWriter& out, const TPicture& picture, int bitCount,
                uint32_t colorsUsed) {
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<uint32_t>(picture.Width));
  out.U32(static_cast<uint32_t>(picture.Height));  // positive: rows stored bottom-up
  out.U16(1);
  out.U16(static_cast<uint16_t>(bitCount));
  out.U32(0);  // no compression
  out.U32(RowSize(picture.Width, bitCount) * static_cast<uint32_t>(picture.Height));
  out.U32(kPixelsPerMetre);
  out.U32(kPixelsPerMetre);
  out.U32(colorsUsed);
  out.U32(0);
}

void PadRow(TContainerStreamWriter& out, uint32_t written, uint32_t rowSize) {
  for (; written < rowSize; ++written) out.Byte(0);
}

}  // namespace

std::vector<uint8_t> EncodeDibTrueColor(const TPicture& picture, int bitCount) {
  if (bitCount != 24 && bitCount != 32) {
    throw std::runtime_error("Unsupported DIB bit count " + std::to_string(bitCount));
  }
  CheckPicture(picture);
  TContainerStreamWriter out;
  InfoHeader(out, picture, bitCount, 0);
  const uint32_t rowSize = RowSize(picture.Width, bitCount);
  const uint32_t bytesPerPixel = static_cast<uint32_t>(bitCount / 8);
  for (int32_t y = picture.Height - 1; y >= 0; --y) {
    const uint32_t* row = picture.Pixels.data() + static_cast<size_t>(y) * picture.Width;
    for (int32_t x = 0; x < picture.Width; ++x) {
      const uint32_t pixel = row[x];
      out.Byte(static_cast<uint8_t>(pixel));
      out.Byte(static_cast<uint8_t>(pixel >> 8));
      out.Byte(static_cast<uint8_t>(pixel >> 16));
      if (bitCount == 32) out.Byte(0);
    }
    PadRow(out, bytesPerPixel * static_cast<uint32_t>(picture.Width), rowSize);
  }
  return out.Take();
}

std::vector<uint8_t> EncodeDibPalette8(const TPicture& picture) {
  CheckPicture(picture);
  std::vector<uint32_t> palette;
  std::unordered_map<uint32_t, uint8_t> indexOf;
  for (uint32_t pixel : picture.Pixels) {
    pixel &= 0xFFFFFF;
    if (indexOf.contains(pixel)) continue;
    if (palette.size() == 256) {
      throw std::runtime_error("Picture has more than 256 colours; cannot encode as 8-bit DIB");
    }
    indexOf.emplace(pixel, static_cast<uint8_t>(palette.size()));
    palette.push_back(pixel);
  }
  TContainerStreamWriter out;
  InfoHeader(out, picture, 8, static_cast<uint32_t>(palette.size()));
  for (uint32_t color : palette) {
    out.Byte(static_cast<uint8_t>(color));
    out.Byte(static_cast<uint8_t>(color >> 8));
    out.Byte(static_cast<uint8_t>(color >> 16));
    out.Byte(0);
  }
  const uint32_t rowSize = RowSize(picture.Width, 8);
  for (int32_t y = picture.Height - 1; y >= 0; --y) {
    const uint32_t* row = picture.Pixels.data() + static_cast<size_t>(y) * picture.Width;
    for (int32_t x = 0; x < picture.Width; ++x) out.Byte(indexOf[row[x] & 0xFFFFFF]);
    PadRow(out, static_cast<uint32_t>(picture.Width), rowSize);
  }
  return out.Take();
}
