// Feeds arbitrary bytes to what the packer reads from a player's art folder: the first byte
// picks the manifest parser, the wave reader or the picture reader, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/dib_encode.h"
#include "media/jpeg_encode.h"
#include "pack/image_files.h"
#include "pack/manifest.h"
#include "pack/wav_files.h"
#include "seed_corpus.h"

namespace {
enum : uint8_t { kManifest, kWave, kPicture, kReaders };

std::vector<uint8_t> Tagged(uint8_t reader, std::vector<uint8_t> bytes) {
  bytes.insert(bytes.begin(), reader);
  return bytes;
}

TPicture SmallPicture() {
  return {3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x808080}};
}

// A bitmap file: the 14-byte file header in front of an encoded DIB.
std::vector<uint8_t> BmpFile(const std::vector<uint8_t>& dib, uint32_t pixelOffset) {
  std::vector<uint8_t> file = {'B', 'M'};
  const auto put32 = [&](uint32_t value) {
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  put32(static_cast<uint32_t>(14 + dib.size()));
  put32(0);
  put32(pixelOffset);
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

TSeeds Seeds() {
  TSeeds seeds;
  seeds.push_back(Tagged(kManifest, SeedBytes("# art\n"
                                              "picture atom1 atom1.png pattern=40x40 key=#FF00FF\n"
                                              "picture menu menu.jpg jpeg=90 opaque\n"
                                              "picture font1 font.bmp skip=1x1 dib8\n"
                                              "sound bum bum.wav max=4\n"
                                              "sound alert alert.wav loop\n")));
  TSoundEntry sound;
  sound.Channels = 2;
  sound.BitsPerSample = 16;
  sound.SampleRate = 22050;
  sound.Data = {0, 1, 2, 3, 4, 5, 6, 7};
  seeds.push_back(Tagged(kWave, EncodeWav(sound)));
  sound.Channels = 1;
  sound.BitsPerSample = 8;
  sound.Data = {128, 129, 130};
  seeds.push_back(Tagged(kWave, EncodeWav(sound)));

  const TPicture picture = SmallPicture();
  seeds.push_back(Tagged(kPicture, EncodeJpeg(picture, 90)));
  seeds.push_back(Tagged(kPicture, BmpFile(EncodeDibTrueColor(picture, 24), 54)));
  seeds.push_back(Tagged(kPicture, BmpFile(EncodeDibPalette8(picture), 54 + 4 * 6)));
  const std::filesystem::path png =
      std::filesystem::temp_directory_path() / "brunival-fuzz-seed.png";
  WritePng(png.string(), picture);
  seeds.push_back(Tagged(kPicture, ReadWholeFile(png.string())));
  std::filesystem::remove(png);
  return seeds;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  WriteSeedsWhenAsked(*argc, *argv, "pack", Seeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::vector<uint8_t> file(data + 1, data + size);
  try {
    switch (data[0] % kReaders) {
      case kManifest:
        ParseManifest(std::string(file.begin(), file.end()));
        break;
      case kWave:
        DecodeWav(file, "fuzz.wav");
        break;
      case kPicture: {
        const TPicture picture = DecodeImage(file, "fuzz");
        if (picture.Pixels.size() != static_cast<size_t>(picture.Width) * picture.Height) {
          __builtin_trap();
        }
        break;
      }
    }
  } catch (const std::exception&) {
  }
  return 0;
}
