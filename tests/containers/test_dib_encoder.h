// Test-only DIB encoder for the depths and compressions the container writer does not produce.
#pragma once
#include <cstdint>
#include <vector>

#include "media/container_stream.h"

struct TTestDib {
  int32_t Width = 0;
  int32_t Height = 0;
  uint16_t BitCount = 24;
  bool CoreHeader = false;        // 12-byte header, 3-byte palette entries
  bool TopDown = false;           // negative height, rows stored top first
  uint32_t Compression = 0;       // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
  bool Masks565 = false;          // with 16 bits: 5-6-5 instead of 5-5-5
  std::vector<uint32_t> Palette;  // $00RRGGBB
  // Top row first: palette indices up to 8 bits, $00RRGGBB colours above.
  std::vector<uint32_t> Values;
};

namespace test_dib {

inline uint32_t Pack16(uint32_t rgb, bool masks565) {
  const uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return masks565 ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
                  : ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
}

// Plain rows of one stored line, padded to 32 bits.
inline void PlainRow(TContainerStreamWriter& out, const TTestDib& dib, int32_t y) {
  std::vector<uint8_t> row(((dib.BitCount * dib.Width + 31) / 32) * 4, 0);
  for (int32_t x = 0; x < dib.Width; ++x) {
    const uint32_t v = dib.Values[static_cast<size_t>(y) * dib.Width + x];
    switch (dib.BitCount) {
      case 1:
        row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8));
        break;
      case 4:
        row[x / 2] |= static_cast<uint8_t>((v & 0xF) << (x % 2 ? 0 : 4));
        break;
      case 8:
        row[x] = static_cast<uint8_t>(v);
        break;
      case 16: {
        const uint32_t p = Pack16(v, dib.Masks565);
        row[2 * x] = static_cast<uint8_t>(p);
        row[2 * x + 1] = static_cast<uint8_t>(p >> 8);
        break;
      }
      default: {
        const int bytes = dib.BitCount / 8;
        row[bytes * x] = static_cast<uint8_t>(v);
        row[bytes * x + 1] = static_cast<uint8_t>(v >> 8);
        row[bytes * x + 2] = static_cast<uint8_t>(v >> 16);
        if (bytes == 4) row[bytes * x + 3] = 0xEE;  // the spare byte must be ignored
      }
    }
  }
  out.Raw(row);
}

// Run-length line: runs of two or more equal pixels, literals of three or more, single runs.
inline void RunLengthRow(std::vector<uint8_t>& out, const TTestDib& dib, int32_t y) {
  const bool four = dib.Compression == 2;
  const uint32_t* v = dib.Values.data() + static_cast<size_t>(y) * dib.Width;
  int32_t x = 0;
  while (x < dib.Width) {
    int32_t run = 1;
    while (x + run < dib.Width && run < 255 && v[x + run] == v[x]) ++run;
    if (run >= 2 || dib.Width - x < 3) {
      out.push_back(static_cast<uint8_t>(run));
      out.push_back(static_cast<uint8_t>(four ? (v[x] << 4) | v[x] : v[x]));
      x += run;
      continue;
    }
    int32_t literal = 1;
    while (x + literal < dib.Width && literal < 254 &&
           (x + literal + 1 >= dib.Width || v[x + literal] != v[x + literal + 1])) {
      ++literal;
    }
    if (literal < 3) {
      out.push_back(1);
      out.push_back(static_cast<uint8_t>(four ? (v[x] << 4) | v[x] : v[x]));
      ++x;
      continue;
    }
    out.push_back(0);
    out.push_back(static_cast<uint8_t>(literal));
    size_t bytes = 0;
    for (int32_t k = 0; k < literal; k += four ? 2 : 1, ++bytes) {
      const uint32_t hi = v[x + k];
      const uint32_t lo = (four && k + 1 < literal) ? v[x + k + 1] : 0;
      out.push_back(static_cast<uint8_t>(four ? (hi << 4) | lo : hi));
    }
    if (bytes % 2) out.push_back(0);
    x += literal;
  }
  out.push_back(0);
  out.push_back(0);
}

}  // namespace test_dib

inline std::vector<uint8_t> EncodeTestDib(const TTestDib& dib) {
  TContainerStreamWriter out;
  std::vector<uint8_t> runs;
  if (dib.Compression == 1 || dib.Compression == 2) {
    for (int32_t r = 0; r < dib.Height; ++r) {
      test_dib::RunLengthRow(runs, dib, dib.TopDown ? r : dib.Height - 1 - r);
    }
    runs.push_back(0);
    runs.push_back(1);
  }
  if (dib.CoreHeader) {
    out.U32(12);
    out.U16(static_cast<uint16_t>(dib.Width));
    out.U16(static_cast<uint16_t>(dib.Height));
    out.U16(1);
    out.U16(dib.BitCount);
  } else {
    out.U32(40);
    out.U32(static_cast<uint32_t>(dib.Width));
    out.U32(static_cast<uint32_t>(dib.TopDown ? -dib.Height : dib.Height));
    out.U16(1);
    out.U16(dib.BitCount);
    out.U32(dib.Compression);
    out.U32(static_cast<uint32_t>(runs.size()));
    out.U32(0);
    out.U32(0);
    out.U32(static_cast<uint32_t>(dib.Palette.size()));
    out.U32(0);
  }
  if (dib.Compression == 3) {
    const bool five65 = dib.BitCount == 16 && dib.Masks565;
    const bool five55 = dib.BitCount == 16 && !dib.Masks565;
    out.U32(five65 ? 0xF800 : five55 ? 0x7C00 : 0xFF0000);
    out.U32(five65 ? 0x07E0 : five55 ? 0x03E0 : 0x00FF00);
    out.U32(five65 || five55 ? 0x001F : 0x0000FF);
  }
  for (uint32_t color : dib.Palette) {
    out.Byte(static_cast<uint8_t>(color));
    out.Byte(static_cast<uint8_t>(color >> 8));
    out.Byte(static_cast<uint8_t>(color >> 16));
    if (!dib.CoreHeader) out.Byte(0);
  }
  if (!runs.empty()) {
    out.Raw(runs);
  } else {
    for (int32_t r = 0; r < dib.Height; ++r) {
      test_dib::PlainRow(out, dib, dib.TopDown ? r : dib.Height - 1 - r);
    }
  }
  return out.Take();
}
