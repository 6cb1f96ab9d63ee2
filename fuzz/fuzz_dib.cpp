// Feeds arbitrary bytes to the DIB reader; run with --make-seeds=DIR to write a seed corpus.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "../tests/containers/test_dib_encoder.h"
#include "media/dib.h"
#include "media/dib_encode.h"
#include "seed_corpus.h"

namespace {

// Every depth, both header sizes, both orientations, bit fields and both run-length kinds.
TSeeds Seeds() {
  TSeeds seeds;
  auto add = [&](uint16_t bits, bool core, bool topDown, uint32_t compression, bool masks565) {
    TTestDib dib;
    dib.Width = 7;
    dib.Height = 3;
    dib.BitCount = bits;
    dib.CoreHeader = core;
    dib.TopDown = topDown;
    dib.Compression = compression;
    dib.Masks565 = masks565;
    if (bits <= 8) {
      for (uint32_t i = 0; i < (1u << bits); ++i) dib.Palette.push_back(i * 0x010203);
    }
    for (int32_t i = 0; i < dib.Width * dib.Height; ++i) {
      dib.Values.push_back(bits <= 8 ? static_cast<uint32_t>(i / 3) % (1u << bits)
                                     : static_cast<uint32_t>(i * 0x0A0B0C));
    }
    seeds.push_back(EncodeTestDib(dib));
  };
  for (uint16_t bits : {1, 4, 8, 24}) add(bits, true, false, 0, false);
  for (uint16_t bits : {1, 4, 8, 16, 24, 32}) add(bits, false, true, 0, false);
  add(16, false, false, 3, true);
  add(32, false, false, 3, false);
  add(8, false, false, 1, false);
  add(4, false, false, 2, false);
  TPicture picture;
  picture.Width = 3;
  picture.Height = 2;
  picture.Pixels = {1, 2, 3, 4, 5, 6};
  seeds.push_back(EncodeDibPalette8(picture));
  return seeds;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  WriteSeedsWhenAsked(*argc, *argv, "dib", Seeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TByteReader in(std::span<const uint8_t>(data, size));
  try {
    const TPicture picture = ReadDib(in);
    if (!picture.Empty() &&
        picture.Pixels.size() != static_cast<size_t>(picture.Width) * picture.Height) {
      __builtin_trap();
    }
  } catch (const std::exception&) {
  }
  return 0;
}
