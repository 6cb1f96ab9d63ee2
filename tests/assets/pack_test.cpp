// Player-made art: manifest parsing, picture and wave decoding, packing into loadable containers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "art/pictures.h"
#include "media/jpeg_encode.h"
#include "media/picture_list.h"
#include "media/wave_list.h"
#include "pack/export.h"
#include "pack/image_files.h"
#include "pack/manifest.h"
#include "pack/wav_files.h"

namespace {

TEST(Manifest, ReadsPictureAndSoundOptions) {
  const auto entries = ParseManifest(
      "# comment\n"
      "\n"
      "picture font1 f.png pattern=31x31 key=#FF00FF\r\n"
      "picture menu m.jpg opaque jpeg=80\n"
      "sound alert a.wav loop max=2\n");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Picture.PatternWidth, 31);
  EXPECT_EQ(entries[0].Picture.PatternHeight, 31);
  EXPECT_EQ(entries[0].Picture.TransparentColor, clFuchsia);
  EXPECT_FALSE(entries[1].Picture.Transparent);
  EXPECT_EQ(entries[1].Picture.Encoding, TPictureEncoding::Jpeg);
  EXPECT_EQ(entries[1].Picture.JpegQuality, 80);
  EXPECT_TRUE(entries[2].IsSound);
  EXPECT_TRUE(entries[2].Sound.Looped);
  EXPECT_EQ(entries[2].Sound.MaxPlayingCount, 2);
}

TEST(Manifest, NamesTheLineOfAMistake) {
  for (const char* text :
       {"picture a\n", "image a b.png\n", "picture a b.png pattern=3\n",
        "picture a b.png key=clNoSuch\n", "sound a b.wav max=x\n", "picture a b.png jpeg=0\n"}) {
    try {
      ParseManifest(std::string("# first\n") + text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find("line 2"), std::string::npos) << error.what();
    }
  }
}

TEST(WaveFiles, RoundTripAndRefuseCompressedData) {
  TSoundEntry sound;
  sound.SampleRate = 11025;
  sound.Channels = 2;
  sound.BitsPerSample = 8;
  sound.Data = {1, 2, 3};  // odd length: padded in the file
  std::vector<uint8_t> bytes = EncodeWav(sound);
  const TSoundEntry back = DecodeWav(bytes, "test");
  EXPECT_EQ(back.SampleRate, 11025);
  EXPECT_EQ(back.Channels, 2);
  EXPECT_EQ(back.BitsPerSample, 8);
  EXPECT_EQ(back.Data, sound.Data);
  std::vector<std::string> warnings;
  std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 3);  // "data" claims 3, holds 1
  EXPECT_EQ(DecodeWav(cut, "test", &warnings).Data, (std::vector<uint8_t>{1}));
  EXPECT_EQ(warnings.size(), 1u);
  bytes[20] = 2;  // format tag: ADPCM
  EXPECT_THROW(DecodeWav(bytes, "test"), std::runtime_error);
  bytes.resize(30);
  EXPECT_THROW(DecodeWav(bytes, "test"), std::runtime_error) << "truncated chunk";
}

// A 2 x 2 BMP with the given bit count, rows bottom-up.
std::vector<uint8_t> TinyBmp(int bits) {
  const int rowSize = bits == 8 ? 4 : (bits == 24 ? 8 : 8);
  const int palette = bits == 8 ? 4 * 256 : 0;
  const int offset = 54 + palette;
  std::vector<uint8_t> b(offset + rowSize * 2, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, static_cast<uint32_t>(b.size()));
  put32(10, offset);
  put32(14, 40);
  put32(18, 2);
  put32(22, 2);
  b[26] = 1, b[28] = static_cast<uint8_t>(bits);
  if (bits == 8) {
    b[54 + 4 * 1 + 2] = 255;                               // index 1: red
    b[54 + 4 * 2 + 0] = 255;                               // index 2: blue
    b[offset + 0] = 1, b[offset + 1] = 2;                  // bottom row
    b[offset + rowSize] = 2, b[offset + rowSize + 1] = 1;  // top row
  } else {
    b[offset + 2] = 255;                // bottom-left red
    b[offset + rowSize + 3 + 1] = 255;  // top-right green
  }
  return b;
}

TEST(ImageFiles, BmpRowsComeOutTopFirst) {
  const TPicture truecolour = DecodeImage(TinyBmp(24), "t24");
  ASSERT_EQ(truecolour.Width, 2);
  EXPECT_EQ(truecolour.Pixels[2], 0xFF0000u) << "bottom-left";
  EXPECT_EQ(truecolour.Pixels[1], 0x00FF00u) << "top-right";
  const TPicture paletted = DecodeImage(TinyBmp(8), "t8");
  EXPECT_EQ(paletted.Pixels[0], 0x0000FFu) << "top-left is palette entry 2";
  EXPECT_EQ(paletted.Pixels[2], 0xFF0000u) << "bottom-left is palette entry 1";
  std::vector<uint8_t> bad = TinyBmp(8);
  bad[54 + 1024] = 250;  // index beyond a 2-entry palette once the count says 2
  bad[46] = 2;
  EXPECT_THROW(DecodeImage(bad, "bad"), std::runtime_error);
  EXPECT_THROW(DecodeImage({'G', 'I', 'F', '8'}, "gif"), std::runtime_error);
}

// A few bytes may declare a picture of billions of pixels; the packer refuses it by its header
// instead of trying to allocate it, as the game would.
TEST(ImageFiles, HugeDeclaredSizesAreRefusedByTheHeader) {
  const TPicture small{8, 8, std::vector<uint32_t>(64, 0x336699)};
  std::vector<uint8_t> jpeg = EncodeJpeg(small, 90);
  size_t frame = 0;
  while (frame + 9 < jpeg.size() && !(jpeg[frame] == 0xFF && jpeg[frame + 1] == 0xC0)) ++frame;
  ASSERT_LT(frame + 9, jpeg.size()) << "no baseline frame header";
  for (size_t i = frame + 5; i < frame + 9; ++i) jpeg[i] = 0xEA;  // 60000 x 60000
  EXPECT_THROW(DecodeImage(jpeg, "huge.jpg"), std::runtime_error);

  const std::string png = (std::filesystem::temp_directory_path() /
                           ("brunival-big" + std::to_string(getpid()) + ".png"))
                              .string();
  WritePng(png, TPicture{2049, 2048, std::vector<uint32_t>(2049 * 2048, 0)});
  EXPECT_THROW(ReadImageFile(png), std::runtime_error) << "larger than the game reads";
  std::filesystem::remove(png);
}

TEST(Pack, ManifestFolderBecomesLoadableContainers) {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / (std::string("brunival-pack-test") + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder / "art");
  TPicture sheet{62, 31, std::vector<uint32_t>(62 * 31, 0xFF00FF)};
  sheet.Pixels[40] = 0x123456;
  WritePng((folder / "art" / "font.png").string(), sheet);
  WriteWholeFile((folder / "art" / "bg.bmp").string(), TinyBmp(24));
  TSoundEntry beep;
  beep.Data = {0, 0, 0x10, 0x20};
  WriteWholeFile((folder / "beep.wav").string(), EncodeWav(beep));
  const std::string manifest =
      "picture font1 art/font.png pattern=31x31 key=clFuchsia\n"
      "picture menu art/bg.bmp opaque\n"
      "sound alert beep.wav loop\n";
  WriteWholeFile((folder / "manifest.txt").string(), {manifest.begin(), manifest.end()});

  std::vector<std::string> warnings;
  const auto written =
      PackFromManifest((folder / "manifest.txt").string(), (folder / "out").string(), &warnings);
  ASSERT_EQ(written.size(), 2u);
  const auto warned = [&](const std::string& what) {
    return std::ranges::any_of(warnings, [&](auto& w) { return w.find(what) != w.npos; });
  };
  EXPECT_TRUE(warned("picture DK-logo") && warned("sound menu_ok"));
  EXPECT_FALSE(warned("picture font1") || warned("sound alert"));
  EXPECT_EQ(warnings.size(), 17u + 10u);
  TPictureCollection pictures;
  pictures.LoadFromFile((folder / "out" / "grafika.dat").string());
  TPictureCollectionItem& font = pictures.Find("font1");
  EXPECT_EQ(font.PatternWidth, 31);
  EXPECT_EQ(font.TransparentColor(), clFuchsia);
  EXPECT_EQ(font.Picture.Pixels[40], 0x123456u);
  EXPECT_FALSE(pictures.Find("menu").Transparent);
  TWaveCollection sounds;
  sounds.LoadFromFile((folder / "out" / "zvuky.dat").string());
  EXPECT_TRUE(sounds.Find("alert").Looped);
  EXPECT_EQ(sounds.Find("alert").Wave.Data, beep.Data);
  fs::remove_all(folder);
}

TEST(Pack, ExportedArtPacksBackIntoTheSameContainers) {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / (std::string("brunival-export-test") + std::to_string(getpid()));
  fs::remove_all(folder);
  ExportSourceFiles((folder / "art").string());
  PackFromManifest((folder / "art" / "manifest.txt").string(), (folder / "out").string());
  const std::vector<uint8_t> packed = ReadWholeFile((folder / "out" / "grafika.dat").string());
  EXPECT_TRUE(packed == EncodePictureContainer(MakeAllPictures()))
      << "editing nothing must change nothing";
  fs::remove_all(folder);
}

}  // namespace
