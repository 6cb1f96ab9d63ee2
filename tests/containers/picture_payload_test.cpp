// Picture payloads written and read back: every DIB depth, both orientations, RLE, BMP and JPEG.
#include <gtest/gtest.h>

#include "container_test_support.h"
#include "media/container_writer.h"
#include "test_dib_encoder.h"

namespace {

TPicture LoadDib(const TTestDib& dib) {
  return LoadOnlyPicture(MakePayloadContainer(MakePayload("TDIB", EncodeTestDib(dib))));
}

// Indices for a width x height picture using colours 0..colors-1 in a pattern with runs and
// isolated pixels, so run-length encoders produce both runs and literals.
std::vector<uint32_t> IndexPattern(int32_t width, int32_t height, uint32_t colors) {
  std::vector<uint32_t> values;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      values.push_back(x < width / 3 ? static_cast<uint32_t>(y) % colors
                                     : static_cast<uint32_t>(x * 7 + y * 3) % colors);
    }
  }
  return values;
}

std::vector<uint32_t> GrayPalette(uint32_t count) {
  std::vector<uint32_t> palette;
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t level = count > 1 ? i * 255 / (count - 1) : 0;
    palette.push_back((level << 16) | ((255 - level) << 8) | ((i * 40) & 0xFF));
  }
  return palette;
}

TPicture ExpectedFromIndices(const TTestDib& dib) {
  TPicture picture;
  picture.Width = dib.Width;
  picture.Height = dib.Height;
  for (uint32_t index : dib.Values) picture.Pixels.push_back(dib.Palette[index]);
  return picture;
}

TPicture AsPicture(int32_t width, int32_t height, const std::vector<uint32_t>& pixels) {
  TPicture picture;
  picture.Width = width;
  picture.Height = height;
  picture.Pixels = pixels;
  return picture;
}

TEST(PicturePayload, WriterDibEncodingsReadBackExactly) {
  for (auto encoding : {TPictureEncoding::Dib24, TPictureEncoding::Dib32}) {
    for (auto [w, h] : {std::pair{7, 5}, std::pair{1, 1}, std::pair{64, 3}}) {
      TPictureEntry entry;
      entry.Name = "pic";
      entry.Picture = MakeTestPicture(w, h);
      entry.Encoding = encoding;
      const TPicture read = LoadOnlyPicture(EncodePictureContainer({entry}));
      EXPECT_TRUE(SamePicture(entry.Picture, read))
          << "encoding " << static_cast<int>(encoding) << " size " << w << "x" << h;
    }
  }
}

TEST(PicturePayload, WriterPaletteEncodingReadsBackAndRefusesTooManyColours) {
  TPictureEntry entry;
  entry.Picture = AsPicture(5, 3, {1, 2, 3, 4, 5, 0xFF00FF, 0xFF00FF, 1, 2, 3, 9, 9, 9, 9, 9});
  entry.Encoding = TPictureEncoding::Dib8;
  EXPECT_TRUE(SamePicture(entry.Picture, LoadOnlyPicture(EncodePictureContainer({entry}))));

  entry.Picture = MakeTestPicture(40, 40);  // far more than 256 colours
  EXPECT_THROW(EncodePictureContainer({entry}), std::runtime_error);
}

TEST(PicturePayload, WriterJpegReadsBackWithinTolerance) {
  TPicture smooth;
  smooth.Width = 64;
  smooth.Height = 48;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      smooth.Pixels.push_back(static_cast<uint32_t>((x * 4) << 16 | (y * 5) << 8 | 128));
    }
  }
  TPictureEntry entry;
  entry.Picture = smooth;
  entry.Encoding = TPictureEncoding::Jpeg;
  entry.JpegQuality = 95;
  EXPECT_TRUE(SamePicture(smooth, LoadOnlyPicture(EncodePictureContainer({entry})), 10));
}

TEST(PicturePayload, PaletteDepthsInBothHeaderSizes) {
  for (uint16_t bits : {1, 4, 8}) {
    for (bool core : {false, true}) {
      TTestDib dib;
      dib.Width = 13;  // not a whole number of bytes or words per row at any depth
      dib.Height = 4;
      dib.BitCount = bits;
      dib.CoreHeader = core;
      dib.Palette = GrayPalette(1u << bits);  // a core header always carries the full table
      dib.Values = IndexPattern(dib.Width, dib.Height, 1u << bits);
      EXPECT_TRUE(SamePicture(ExpectedFromIndices(dib), LoadDib(dib)))
          << bits << " bits, " << (core ? "12" : "40") << "-byte header";
    }
  }
}

TEST(PicturePayload, ColoursUsedShortensThePaletteAndMissingEntriesAreBlack) {
  TTestDib dib;
  dib.Width = 4;
  dib.Height = 1;
  dib.BitCount = 8;
  dib.Palette = {0x112233, 0x445566};  // colours used = 2
  dib.Values = {0, 1, 7, 1};
  EXPECT_TRUE(SamePicture(AsPicture(4, 1, {0x112233, 0x445566, 0, 0x445566}), LoadDib(dib)));
}

TEST(PicturePayload, TrueColourDepthsIncludingBitFields) {
  const TPicture picture = MakeTestPicture(9, 5);
  for (uint16_t bits : {24, 32}) {
    for (uint32_t compression : {0u, 3u}) {
      if (bits == 24 && compression == 3) continue;
      TTestDib dib;
      dib.Width = picture.Width;
      dib.Height = picture.Height;
      dib.BitCount = bits;
      dib.Compression = compression;
      dib.Values = picture.Pixels;
      EXPECT_TRUE(SamePicture(picture, LoadDib(dib)))
          << bits << " bits, compression " << compression;
    }
  }
  TTestDib core;
  core.Width = picture.Width;
  core.Height = picture.Height;
  core.CoreHeader = true;
  core.Values = picture.Pixels;
  EXPECT_TRUE(SamePicture(picture, LoadDib(core))) << "24 bits, 12-byte header";
}

TEST(PicturePayload, SixteenBitsScaleChannelsToFullRange) {
  // Channels of 0 and 255 survive both layouts exactly; mid values repeat their top bits.
  const std::vector<uint32_t> extremes = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                          0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
  for (bool masks565 : {false, true}) {
    for (uint32_t compression : {0u, 3u}) {
      if (masks565 && compression == 0) continue;  // without bit fields 16 bits means 5-5-5
      TTestDib dib;
      dib.Width = 3;
      dib.Height = 3;
      dib.BitCount = 16;
      dib.Compression = compression;
      dib.Masks565 = masks565;
      dib.Values = {extremes[0], extremes[1], extremes[2], extremes[3], extremes[4],
                    extremes[5], extremes[6], extremes[7], 0x848484};
      TPicture expected = AsPicture(3, 3, dib.Values);
      // 0x84 keeps its top five bits 10000 and repeats them: 1000010|0 -> 0x84; six green bits
      // 100001 repeat to 10000110 = 0x86.
      expected.Pixels[8] = masks565 ? 0x848684 : 0x848484;
      EXPECT_TRUE(SamePicture(expected, LoadDib(dib)))
          << (masks565 ? "5-6-5" : "5-5-5") << ", compression " << compression;
    }
  }
}

TEST(PicturePayload, TopDownAndBottomUpGiveTheSamePicture) {
  const TPicture picture = MakeTestPicture(6, 7);
  for (uint16_t bits : {8, 24, 32}) {
    TTestDib dib;
    dib.Width = picture.Width;
    dib.Height = picture.Height;
    dib.BitCount = bits;
    if (bits == 8) {
      dib.Palette = GrayPalette(256);
      dib.Values = IndexPattern(dib.Width, dib.Height, 256);
    } else {
      dib.Values = picture.Pixels;
    }
    const TPicture bottomUp = LoadDib(dib);
    dib.TopDown = true;
    const TPicture topDown = LoadDib(dib);
    EXPECT_TRUE(SamePicture(bottomUp, topDown)) << bits << " bits";
    EXPECT_TRUE(SamePicture(bits == 8 ? ExpectedFromIndices(dib) : picture, topDown));
  }
}

TEST(PicturePayload, RunLengthEncodedPicturesReadBack) {
  for (uint32_t compression : {1u, 2u}) {
    const uint16_t bits = compression == 1 ? 8 : 4;
    for (auto [w, h] : {std::pair{20, 6}, std::pair{3, 2}, std::pair{257, 2}}) {
      TTestDib dib;
      dib.Width = w;
      dib.Height = h;
      dib.BitCount = bits;
      dib.Compression = compression;
      dib.Palette = GrayPalette(1u << bits);
      dib.Values = IndexPattern(w, h, 1u << bits);
      EXPECT_TRUE(SamePicture(ExpectedFromIndices(dib), LoadDib(dib)))
          << (bits == 8 ? "RLE8 " : "RLE4 ") << w << "x" << h;
    }
  }
}

// A 4x3 RLE8 DIB with the given run-length data and palette 0 = black, i = 0x0i0i0i.
std::vector<uint8_t> RunLengthDib(uint32_t compression, const std::vector<uint8_t>& runs) {
  TContainerStreamWriter out;
  out.U32(40);
  out.U32(4);
  out.U32(3);
  out.U16(1);
  out.U16(compression == 1 ? 8 : 4);
  out.U32(compression);
  out.U32(static_cast<uint32_t>(runs.size()));
  out.U32(0);
  out.U32(0);
  out.U32(16);
  out.U32(0);
  for (uint32_t i = 0; i < 16; ++i) out.U32(i * 0x010101);
  out.Raw(runs);
  return out.Take();
}

TEST(PicturePayload, RunLengthMovesCutsAndEarlyEnd) {
  // Bottom row: run of 2 x 1, then a move of 1 right and 1 up, a run of 9 x 2 that overshoots
  // the row (cut at the edge), end of picture. Unwritten pixels take palette entry 0.
  const auto dib = RunLengthDib(1, {2, 1, 0, 2, 1, 1, 9, 2, 0, 1});
  const TPicture picture = LoadOnlyPicture(MakePayloadContainer(MakePayload("TDIB", dib)));
  EXPECT_TRUE(SamePicture(AsPicture(4, 3,
                                    {0, 0, 0, 0,                  //
                                     0, 0, 0, 0x020202,           // run cut after x 3
                                     0x010101, 0x010101, 0, 0}),  //
                          picture));

  // RLE4: a literal of three nibbles (padded to a word) and a run alternating 5 and 6.
  const auto dib4 = RunLengthDib(2, {0, 3, 0x12, 0x30, 0, 0, 4, 0x56, 0, 1});
  EXPECT_TRUE(SamePicture(AsPicture(4, 3,
                                    {0, 0, 0, 0,                              //
                                     0x050505, 0x060606, 0x050505, 0x060606,  //
                                     0x010101, 0x020202, 0x030303, 0}),
                          LoadOnlyPicture(MakePayloadContainer(MakePayload("TDIB", dib4)))));
}

TEST(PicturePayload, BitmapFileClassWrapsADib) {
  const TPicture picture = MakeTestPicture(5, 4);
  TTestDib dib;
  dib.Width = 5;
  dib.Height = 4;
  dib.Values = picture.Pixels;
  const auto dibBytes = EncodeTestDib(dib);
  TContainerStreamWriter bmp;
  bmp.Raw("BM");
  bmp.U32(static_cast<uint32_t>(14 + dibBytes.size()));
  bmp.U32(0);
  bmp.U32(54);
  bmp.Raw(dibBytes);
  TContainerStreamWriter data;
  data.U32(static_cast<uint32_t>(bmp.Bytes().size()));
  data.Raw(bmp.Bytes());
  EXPECT_TRUE(SamePicture(
      picture, LoadOnlyPicture(MakePayloadContainer(MakePayload("TBitmap", data.Bytes())))));

  auto notBitmap = bmp.Take();
  notBitmap[0] = 'X';
  TContainerStreamWriter bad;
  bad.U32(static_cast<uint32_t>(notBitmap.size()));
  bad.Raw(notBitmap);
  EXPECT_EQ(PictureLoadError(MakePayloadContainer(MakePayload("TBitmap", bad.Bytes()))),
            "Error reading p.Picture.Data: Bitmap image is not valid");
}

TTestDib OnePixel() {
  TTestDib dib;
  dib.Width = 1;
  dib.Height = 1;
  dib.Values = {7};
  return dib;
}

TEST(PicturePayload, EmptyAndUnknownPayloadsGiveItemsWithoutPicture) {
  const std::vector<uint8_t> zeroCount = {0, 0, 0, 0};
  const std::vector<std::vector<uint8_t>> payloads = {
      {},                                    // empty binary value
      MakePayload("TDIB", {}),               // class name only
      MakePayload("TBitmap", zeroCount),     // byte count 0
      MakePayload("TJPEGImage", zeroCount),  // byte count 0
      MakePayload("TIcon", {0, 0, 1, 0}),    // known class this game cannot show
      MakePayload("TMetafile", {1, 2, 3}),
      MakePayload("TPortableNetworkGraphic", {1, 2, 3}),
      MakePayload("tdib", EncodeTestDib(OnePixel())),  // class names are compared exactly
  };
  for (size_t i = 0; i < payloads.size(); ++i) {
    TPictureCollection list;
    LoadPictureContainer(list, MakePayloadContainer(payloads[i]));
    ASSERT_EQ(list.Count(), 1) << "payload " << i;
    EXPECT_TRUE(list.Items(0).Picture.Empty()) << "payload " << i << " should have no picture";
    EXPECT_EQ(list.Items(0).Name(), "p") << "payload " << i;
  }
}

}  // namespace
