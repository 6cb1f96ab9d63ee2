// Picture file codecs for the packer and the previews, on libpng and libjpeg.
#include "pack/image_files.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <span>
#include <stdexcept>

#include "media/dib.h"
#include "media/jpeg_decode.h"
#include "media/jpeg_error.h"

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

TPicture ReadImageFile(const std::string& path) {
  return DecodeImage(ReadWholeFile(path), path);
}

TPicture DecodeImage(const std::vector<uint8_t>& bytes, const std::string& what) {
  static const uint8_t kPng[4] = {0x89, 'P', 'N', 'G'};
  if (bytes.size() >= 4 && std::memcmp(bytes.data(), kPng, 4) == 0) return DecodePng(bytes, what);
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes, what);
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return DecodeJpeg(bytes, what);
  throw std::runtime_error(what + ": not a PNG, BMP or JPEG picture");
}

TPicture DecodePng(const std::vector<uint8_t>& bytes, const std::string& what) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    throw std::runtime_error(what + ": " + image.message);
  }
  if (uint64_t{image.width} * image.height > kMaxPicturePixels) {
    png_image_free(&image);
    throw std::runtime_error(what + ": picture too large for the game");
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    throw std::runtime_error(what + ": " + image.message);
  }
  TPicture picture{static_cast<int32_t>(image.width), static_cast<int32_t>(image.height), {}};
  picture.Pixels.resize(static_cast<size_t>(image.width) * image.height);
  for (size_t i = 0; i < picture.Pixels.size(); ++i) {
    picture.Pixels[i] = (rgb[3 * i] << 16) | (rgb[3 * i + 1] << 8) | rgb[3 * i + 2];
  }
  return picture;
}

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8);
}

}  // namespace

TPicture DecodeBmp(const std::vector<uint8_t>& bytes, const std::string& what) {
  // Uncompressed 24- and 32-bit and palettised 8-bit files, as image editors save them.
  auto fail = [&](const char* why) { return std::runtime_error(what + ": " + why); };
  if (bytes.size() < 54) throw fail("BMP file too short");
  const uint32_t pixelOffset = Le32(bytes, 10), headerSize = Le32(bytes, 14);
  if (headerSize < 40) throw fail("unsupported BMP header");
  const int32_t width = static_cast<int32_t>(Le32(bytes, 18));
  const int32_t rawHeight = static_cast<int32_t>(Le32(bytes, 22));
  const uint16_t bits = Le16(bytes, 28);
  const uint32_t compression = Le32(bytes, 30);
  if (compression != 0 || (bits != 8 && bits != 24 && bits != 32)) {
    throw fail("only uncompressed 8-, 24- and 32-bit BMP files are supported");
  }
  if (width <= 0 || rawHeight == 0 || width > 16384 || std::abs(rawHeight) > 16384) {
    throw fail("BMP size out of range");
  }
  const int32_t height = std::abs(rawHeight);
  const size_t rowSize = ((static_cast<size_t>(bits) * width + 31) / 32) * 4;
  if (pixelOffset + rowSize * height > bytes.size()) throw fail("BMP pixel data truncated");
  uint32_t colours = Le32(bytes, 46);
  if (bits == 8 && colours == 0) colours = 256;
  const size_t paletteAt = 14 + headerSize;
  if (bits == 8 && (colours > 256 || paletteAt + 4 * colours > pixelOffset)) {
    throw fail("BMP palette truncated");
  }
  TPicture picture{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
  for (int32_t y = 0; y < height; ++y) {
    const int32_t fileRow = rawHeight > 0 ? height - 1 - y : y;
    const size_t row = pixelOffset + rowSize * fileRow;
    for (int32_t x = 0; x < width; ++x) {
      size_t at;
      if (bits == 8) {
        const uint8_t index = bytes[row + x];
        if (index >= colours) throw fail("BMP colour index outside the palette");
        at = paletteAt + 4 * index;
      } else {
        at = row + static_cast<size_t>(x) * (bits / 8);
      }
      picture.Pixels[static_cast<size_t>(y) * width + x] =
          (bytes[at + 2] << 16) | (bytes[at + 1] << 8) | bytes[at];
    }
  }
  return picture;
}

TPicture DecodeJpeg(const std::vector<uint8_t>& bytes, const std::string& what) {
  // The game's own decoder, so a picture is read here exactly as the game would read it.
  try {
    return DecodeJpeg(std::span<const uint8_t>(bytes));
  } catch (const EJPEG& error) {
    throw std::runtime_error(what + ": " + error.what());
  }
}

void WritePng(const std::string& path, const TPicture& picture) {
  std::vector<uint8_t> rgb;
  rgb.reserve(picture.Pixels.size() * 3);
  for (uint32_t p : picture.Pixels) {
    rgb.push_back((p >> 16) & 255);
    rgb.push_back((p >> 8) & 255);
    rgb.push_back(p & 255);
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.Width);
  image.height = static_cast<png_uint_32>(picture.Height);
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
    throw std::runtime_error("cannot write " + path + ": " + image.message);
  }
}
