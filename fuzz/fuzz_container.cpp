// Feeds arbitrary bytes to both container readers; run with --make-seeds=DIR to write a seed
// corpus.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../tests/containers/test_dib_encoder.h"
#include "media/container_pictures.h"
#include "media/container_sounds.h"
#include "media/container_writer.h"
#include "seed_corpus.h"

namespace {

TPicture Pattern(int32_t width, int32_t height) {
  TPicture picture;
  picture.Width = width;
  picture.Height = height;
  for (int32_t i = 0; i < width * height; ++i) {
    picture.Pixels.push_back(static_cast<uint32_t>(i * 0x1F3A7 + (i % 3 == 0 ? 0xFF00FF : 0)));
  }
  return picture;
}

TPictureEntry Entry(std::string name, TPicture picture, TPictureEncoding encoding) {
  TPictureEntry entry;
  entry.Name = std::move(name);
  entry.Picture = std::move(picture);
  entry.Encoding = encoding;
  return entry;
}

// A sound whose "data" chunk claims more bytes than its payload holds, as many writers leave it.
std::vector<uint8_t> SoundWithOversizedDataChunk() {
  TSoundEntry sound;
  sound.Name = "uspech";
  sound.Data = {1, 2, 3, 4, 5, 6};
  std::vector<uint8_t> file = EncodeSoundContainer({sound});
  const std::string tag = "data";
  auto at = std::search(file.begin(), file.end(), tag.begin(), tag.end());
  if (at != file.end()) at[4] = 200;  // the low byte of the chunk size
  return file;
}

// Containers made by the writer, plus one with run-length and bitmap-file payloads it never makes.
TSeeds Seeds() {
  TSeeds seeds;
  TPicture twoColours = Pattern(4, 3);
  for (auto& pixel : twoColours.Pixels) pixel &= 0xFF00FF;
  std::vector<TPictureEntry> pictures = {
      Entry("atom1", Pattern(3, 2), TPictureEncoding::Dib24),
      Entry("vazbaH", Pattern(2, 2), TPictureEncoding::Dib32),
      Entry("font1", twoColours, TPictureEncoding::Dib8),
      Entry("menu", Pattern(8, 8), TPictureEncoding::Jpeg),
  };
  pictures[0].TransparentColor = 0xFF00FF;
  pictures[1].Transparent = false;
  pictures[2].PatternWidth = 2;
  pictures[2].SkipHeight = 1;
  for (const auto& entry : pictures) seeds.push_back(EncodePictureContainer({entry}));
  seeds.push_back(EncodePictureContainer(pictures));
  seeds.push_back(EncodePictureContainer({}));

  TTestDib rle;
  rle.Width = 5;
  rle.Height = 2;
  rle.BitCount = 8;
  rle.Compression = 1;
  rle.Palette = {0, 0xFFFFFF, 0xFF0000};
  rle.Values = {0, 0, 1, 2, 1, 2, 2, 2, 0, 1};
  TContainerStreamWriter payload;
  payload.ShortString("TDIB");
  payload.Raw(EncodeTestDib(rle));
  TContainerStreamWriter bitmap;
  const std::vector<uint8_t> dib = EncodeTestDib(rle);
  bitmap.ShortString("TBitmap");
  bitmap.U32(static_cast<uint32_t>(14 + dib.size()));
  bitmap.Raw("BM");
  bitmap.Raw(std::vector<uint8_t>(12, 0));
  bitmap.Raw(dib);
  TContainerStreamWriter stream;
  stream.RootHeader(kPictureRootClass, "DXImageList");
  stream.PropertyName("List");
  stream.Tag(vaCollection);
  for (const auto* data : {&payload, &bitmap}) {
    stream.Integer(1);  // an order value
    stream.Tag(vaList);
    stream.PropertyName("Name");
    stream.String("r");
    stream.PropertyName("Picture.Data");
    stream.Binary(data->Bytes());
    stream.PropertyName("TransparentColor");
    stream.Identifier("clBtnFace");
    stream.EndOfList();
  }
  stream.EndOfList();
  stream.EndOfList();
  stream.EndOfList();
  seeds.push_back(WrapInResource("R", stream.Bytes()));

  std::vector<TSoundEntry> sounds(3);
  sounds[0].Name = "bum";
  sounds[0].BitsPerSample = 8;
  sounds[0].Data = {128, 140, 120, 128};
  sounds[1].Name = "alert";
  sounds[1].Channels = 2;
  sounds[1].Looped = true;
  sounds[1].Data = {0, 1, 2, 3, 4, 5, 6, 7};
  sounds[2].Name = "menu_ok";
  sounds[2].MaxPlayingCount = 2;
  sounds[2].Data = {0, 0x40, 0, 0xC0};
  for (const auto& entry : sounds) seeds.push_back(EncodeSoundContainer({entry}));
  seeds.push_back(EncodeSoundContainer(sounds));
  seeds.push_back(SoundWithOversizedDataChunk());
  return seeds;
}

void CheckPictures(const TPictureCollection& pictures) {
  for (int32_t i = 0; i < pictures.Count(); ++i) {
    const TPicture& picture = const_cast<TPictureCollection&>(pictures).Items(i).Picture;
    const size_t expected =
        picture.Empty() ? 0 : static_cast<size_t>(picture.Width) * picture.Height;
    if (!picture.Empty() && picture.Pixels.size() != expected) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  WriteSeedsWhenAsked(*argc, *argv, "seed", Seeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  TPictureCollection pictures;
  try {
    LoadPictureContainer(pictures, file);
  } catch (const std::exception&) {
  }
  CheckPictures(pictures);
  TWaveCollection sounds;
  try {
    LoadSoundContainer(sounds, file);
  } catch (const std::exception&) {
  }
  return 0;
}
