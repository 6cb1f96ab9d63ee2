// Decodes DIBs of 1, 4, 8, 16, 24 and 32 bits, with bit fields, palettes and RLE4/RLE8 runs.
#include "media/dib.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

enum TDibCompression : uint32_t { dcRgb = 0, dcRle8 = 1, dcRle4 = 2, dcBitFields = 3 };

struct TMasks {
  uint32_t Red, Green, Blue;
  bool operator==(const TMasks&) const = default;
};

constexpr TMasks kMasks555{0x7C00, 0x03E0, 0x001F};
constexpr TMasks kMasks565{0xF800, 0x07E0, 0x001F};
constexpr TMasks kMasks888{0xFF0000, 0x00FF00, 0x0000FF};

struct TDibHeader {
  uint32_t Size = 0;
  int64_t Width = 0;
  int64_t Height = 0;  // negative: rows stored top-down
  uint16_t BitCount = 0;
  uint32_t Compression = dcRgb;
  uint32_t ImageSize = 0;
  uint32_t ColorsUsed = 0;
};

TDibHeader ReadHeader(TByteReader& in) {
  TDibHeader header;
  header.Size = in.U32();
  if (header.Size == kCoreHeaderSize) {
    header.Width = in.U16();
    header.Height = in.U16();
    in.U16();  // planes
    header.BitCount = in.U16();
  } else if (header.Size == kInfoHeaderSize) {
    header.Width = in.I32();
    header.Height = in.I32();
    in.U16();  // planes
    header.BitCount = in.U16();
    header.Compression = in.U32();
    header.ImageSize = in.U32();
    in.Skip(8);  // resolution
    header.ColorsUsed = in.U32();
    in.U32();  // colours important
  } else {
    throw EInvalidGraphic(kDibInvalid);
  }
  return header;
}

using TPalette = std::array<uint32_t, 256>;  // $00RRGGBB; entries past the table stay black

TPalette ReadPalette(TByteReader& in, const TDibHeader& header) {
  uint32_t count = header.ColorsUsed;
  if (count == 0 && header.BitCount <= 8) count = 1u << header.BitCount;
  if (count > 256) count = 256;
  const uint32_t entrySize = header.Size == kCoreHeaderSize ? 3 : 4;
  auto entries = in.Take(uint64_t{count} * entrySize);
  TPalette palette{};
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = entries.data() + i * entrySize;
    palette[i] = (uint32_t{entry[2]} << 16) | (uint32_t{entry[1]} << 8) | entry[0];
  }
  return palette;
}

// Scales one masked channel to 8 bits by repeating its top bits, so full scale stays full.
uint32_t Channel(uint32_t value, uint32_t mask) {
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  uint32_t c = (value & mask) >> shift;
  if (bits >= 8) return c >> (bits - 8);
  uint32_t result = 0;
  for (int filled = 0; filled < 8; filled += bits) {
    const int at = 8 - bits - filled;
    result |= at >= 0 ? c << at : c >> -at;
  }
  return result & 0xFF;
}

uint32_t MaskedPixel(uint32_t value, const TMasks& masks) {
  return (Channel(value, masks.Red) << 16) | (Channel(value, masks.Green) << 8) |
         Channel(value, masks.Blue);
}

void DecodeRow(const uint8_t* row, uint32_t* out, int64_t width, uint16_t bitCount,
               const TPalette& palette, const TMasks& masks) {
  for (int64_t x = 0; x < width; ++x) {
    switch (bitCount) {
      case 1:
        out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
        break;
      case 8:
        out[x] = palette[row[x]];
        break;
      case 16:
        out[x] = MaskedPixel(row[2 * x] | (row[2 * x + 1] << 8), masks);
        break;
      case 24:
        out[x] = (uint32_t{row[3 * x + 2]} << 16) | (uint32_t{row[3 * x + 1]} << 8) | row[3 * x];
        break;
      case 32:
        out[x] = (uint32_t{row[4 * x + 2]} << 16) | (uint32_t{row[4 * x + 1]} << 8) | row[4 * x];
        break;
    }
  }
}

// Lays the run-length stream's palette colours into the picture; pixels it never reaches keep
// colour 0. Runs, literals and moves that leave the picture are cut, and a stream that ends
// without its end mark simply stops.
class TRunLengthDecoder {
 public:
  TRunLengthDecoder(std::span<const uint8_t> data, TPicture& picture, const TPalette& palette,
                    bool fourBit, bool topDown)
      : data_(data), picture_(picture), palette_(palette), fourBit_(fourBit), topDown_(topDown) {}

  void Decode() {
    std::fill(picture_.Pixels.begin(), picture_.Pixels.end(), palette_[0]);
    size_t i = 0;
    while (i + 1 < data_.size() && y_ < picture_.Height) {
      const uint8_t count = data_[i];
      const uint8_t value = data_[i + 1];
      i += 2;
      if (count > 0) {
        for (int k = 0; k < count; ++k) Put(fourBit_ ? Nibble(value, k) : value);
      } else if (value == 0) {
        x_ = 0;
        ++y_;
      } else if (value == 1) {
        break;
      } else if (value == 2) {
        if (i + 1 >= data_.size()) break;
        x_ += data_[i];
        y_ += data_[i + 1];
        i += 2;
      } else {
        const size_t bytes = fourBit_ ? (value + 1u) / 2 : value;
        for (int k = 0; k < value; ++k) {
          const size_t at = i + (fourBit_ ? k / 2 : k);
          if (at >= data_.size()) break;
          Put(fourBit_ ? Nibble(data_[at], k) : data_[at]);
        }
        i += bytes + (bytes & 1);  // literals are padded to a whole 16-bit word
      }
    }
  }

 private:
  static uint8_t Nibble(uint8_t value, int k) { return (k & 1) ? value & 0xF : value >> 4; }

  void Put(uint8_t index) {
    if (x_ < picture_.Width && y_ < picture_.Height) {
      const int64_t row = topDown_ ? y_ : picture_.Height - 1 - y_;
      picture_.Pixels[static_cast<size_t>(row * picture_.Width + x_)] = palette_[index];
    }
    ++x_;
  }

  std::span<const uint8_t> data_;
  TPicture& picture_;
  const TPalette& palette_;
  bool fourBit_;
  bool topDown_;
  int64_t x_ = 0, y_ = 0;  // y counts stored rows
};

TPicture NewPicture(int64_t width, int64_t height) {
  if (width * height > kMaxPicturePixels) throw EInvalidGraphic(kDibInvalid);
  TPicture picture;
  picture.Width = static_cast<int32_t>(width);
  picture.Height = static_cast<int32_t>(height);
  picture.Pixels.resize(static_cast<size_t>(width * height));
  return picture;
}

}  // namespace

TPicture ReadDib(TByteReader& in) {
  if (in.AtEnd()) return {};
  const TDibHeader header = ReadHeader(in);

  TMasks masks = header.BitCount == 16 ? kMasks555 : kMasks888;
  if (header.Compression == dcBitFields) {
    masks.Red = in.U32();
    masks.Green = in.U32();
    masks.Blue = in.U32();
  }
  const TPalette palette = ReadPalette(in, header);

  switch (header.BitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      throw EInvalidGraphic(BitCountInvalid(header.BitCount));
  }
  const bool masksFit =
      header.BitCount == 16 ? (masks == kMasks555 || masks == kMasks565) : masks == kMasks888;
  if (!masksFit) throw EInvalidGraphic(kPixelFormatInvalid);

  const bool topDown = header.Height < 0;
  const int64_t width = header.Width;
  const int64_t height = topDown ? -header.Height : header.Height;
  if (width < 0) throw EInvalidGraphic(kDibInvalid);

  switch (header.Compression) {
    case dcRgb:
    case dcBitFields: {
      const uint64_t rowSize = ((uint64_t{header.BitCount} * width + 31) / 32) * 4;
      if (height > 0 &&
          rowSize > static_cast<uint64_t>(in.Remaining()) / static_cast<uint64_t>(height)) {
        throw EReadError(kStreamReadError);
      }
      auto rows = in.Take(rowSize * height);
      if (width == 0 || height == 0) return {};
      if (width * height > kMaxPicturePixels) throw EInvalidGraphic(kDibInvalid);
      // Rows are appended top to bottom to reserved memory: clearing the whole picture first
      // would touch every fresh page twice, which costs more than the decoding.
      TPicture picture;
      picture.Width = static_cast<int32_t>(width);
      picture.Height = static_cast<int32_t>(height);
      picture.Pixels.reserve(static_cast<size_t>(width * height));
      std::vector<uint32_t> pixelRow(static_cast<size_t>(width));
      for (int64_t y = 0; y < height; ++y) {
        const int64_t storedRow = topDown ? y : height - 1 - y;
        DecodeRow(rows.data() + storedRow * rowSize, pixelRow.data(), width, header.BitCount,
                  palette, masks);
        picture.Pixels.insert(picture.Pixels.end(), pixelRow.begin(), pixelRow.end());
      }
      return picture;
    }
    case dcRle8:
    case dcRle4: {
      const bool fourBit = header.Compression == dcRle4;
      if (header.BitCount != (fourBit ? 4 : 8)) throw EInvalidGraphic(kDibInvalid);
      auto data = in.Take(header.ImageSize);
      if (width == 0 || height == 0) return {};
      TPicture picture = NewPicture(width, height);
      TRunLengthDecoder(data, picture, palette, fourBit, topDown).Decode();
      return picture;
    }
    default:
      throw EInvalidGraphic(kDibInvalid);
  }
}

TPicture ReadBmpFile(std::span<const uint8_t> file) {
  TByteReader in(file);
  auto signature = in.Take(2);
  if (signature[0] != 'B' || signature[1] != 'M') throw EInvalidGraphic(kBitmapInvalid);
  in.Skip(12);  // file size, reserved, pixel offset: the DIB follows the header directly
  return ReadDib(in);
}
