// Lengths, counts and sizes taken from a malformed file never over-read, over-allocate or overflow.
#include <gtest/gtest.h>

#include "container_test_support.h"
#include "media/jpeg_encode.h"

namespace {

std::vector<uint8_t> DibHeader(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                               uint32_t imageSize, uint32_t colorsUsed) {
  TContainerStreamWriter out;
  out.U32(40);
  out.U32(static_cast<uint32_t>(width));
  out.U32(static_cast<uint32_t>(height));
  out.U16(1);
  out.U16(bits);
  out.U32(compression);
  out.U32(imageSize);
  out.U32(0);
  out.U32(0);
  out.U32(colorsUsed);
  out.U32(0);
  return out.Take();
}

std::string DibError(std::vector<uint8_t> dib, size_t trailing = 64) {
  dib.resize(dib.size() + trailing, 0x11);
  return PictureLoadError(MakePayloadContainer(MakePayload("TDIB", dib)));
}

TEST(HostileInput, DibSizesBeyondTheDataAreReadErrors) {
  const std::string readError = "Error reading p.Picture.Data: Stream read error";
  EXPECT_EQ(DibError(DibHeader(0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 0, 0)), readError);
  EXPECT_EQ(DibError(DibHeader(0x7FFFFFFF, -0x7FFFFFFF - 1, 32, 0, 0, 0)), readError);
  EXPECT_EQ(DibError(DibHeader(1, 0x7FFFFFFF, 1, 0, 0, 0)), readError);
  EXPECT_EQ(DibError(DibHeader(100, 100, 24, 0, 0, 0)), readError);
  EXPECT_EQ(DibError(DibHeader(4, 4, 8, 1, 0xFFFFFFF0, 0), 1024), readError);  // RLE image size
  // Colours used far above 256 is cut to 256 entries, which are not there.
  EXPECT_EQ(DibError(DibHeader(1, 1, 24, 0, 0, 0xFFFFFFFF), 100), readError);
  EXPECT_EQ(DibError(DibHeader(-5, 1, 24, 0, 0, 0)),
            "Error reading p.Picture.Data: DIB is invalid");
}

TEST(HostileInput, RunLengthPicturesMayNotClaimHugeAreas) {
  // A few bytes of runs cannot make the reader allocate a 30000 x 30000 picture.
  std::vector<uint8_t> dib = DibHeader(30000, 30000, 8, 1, 4, 1);
  dib.insert(dib.end(), {0, 0, 0, 0, 255, 0, 0, 1});
  EXPECT_EQ(DibError(dib, 0), "Error reading p.Picture.Data: DIB is invalid");
}

TEST(HostileInput, RunLengthStreamsThatRunOffThePictureAreCut) {
  // Runs past the right edge, moves past the bottom, literals cut by the data's end.
  std::vector<uint8_t> runs = {255, 1, 255, 2, 0, 2, 255, 255, 9, 3, 0,   0, 0, 2,
                               200, 0, 0,   9, 1, 2, 3,   0,   0, 0, 255, 4, 0, 200};
  for (uint32_t compression : {1u, 2u}) {
    std::vector<uint8_t> dib = DibHeader(3, 2, compression == 1 ? 8 : 4, compression,
                                         static_cast<uint32_t>(runs.size()), 16);
    for (uint32_t i = 0; i < 16; ++i) dib.insert(dib.end(), {uint8_t(i), 0, 0, 0});
    dib.insert(dib.end(), runs.begin(), runs.end());
    const TPicture picture = LoadOnlyPicture(MakePayloadContainer(MakePayload("TDIB", dib)));
    EXPECT_EQ(picture.Width, 3);
    EXPECT_EQ(picture.Height, 2);
    // Bottom row: first run cut at the edge.
    EXPECT_EQ(picture.Pixels[3], compression == 1 ? 1u : 0u) << "compression " << compression;
  }
}

TEST(HostileInput, ValueCountsBeyondTheFileAreReadErrors) {
  const std::string listError = "Error reading TPictureCollectionComponent.List: ";
  auto itemWith = [](std::vector<uint8_t> raw) {
    return MakePictureItemContainer([&](TContainerStreamWriter& out) { out.Raw(raw); });
  };
  auto valueError = [&](std::string_view path, uint8_t tag, uint32_t count) {
    TContainerStreamWriter raw;
    raw.PropertyName(path);
    raw.Tag(static_cast<TValueTag>(tag));
    raw.U32(count);
    raw.Raw(std::vector<uint8_t>(32, 0));
    return PictureLoadError(itemWith(raw.Take()));
  };
  const std::string nameReadError = "Error reading TPictureCollectionItem.Name: Stream read error";
  EXPECT_EQ(valueError("Name", vaLString, 0xFFFFFFFF), nameReadError);
  EXPECT_EQ(valueError("Name", vaWString, 0x80000000), nameReadError);  // 2 x count > 32 bits
  EXPECT_EQ(valueError("Name", vaWString, 0xFFFFFFFF), nameReadError);
  EXPECT_EQ(valueError("Name", vaUTF8String, 40), nameReadError);
  EXPECT_EQ(valueError("Picture.Data", vaBinary, 0xFFFFFFFF),
            "Error reading TPictureCollectionItem.Picture.Data: Stream read error");
  // Payload byte counts beyond the payload.
  for (std::string_view className : {"TBitmap", "TJPEGImage"}) {
    EXPECT_EQ(PictureLoadError(MakePayloadContainer(MakePayload(className, {0xFF, 0xFF, 0, 0}))),
              "Error reading p.Picture.Data: Stream read error")
        << className;
  }
  EXPECT_EQ(PictureLoadError(MakePayloadContainer({200, 'T', 'D'})),
            "Error reading p.Picture.Data: Stream read error");
}

// A small real JPEG whose frame header is patched to claim the given size.
std::vector<uint8_t> JpegClaiming(uint16_t width, uint16_t height) {
  TPicture picture;
  picture.Width = 16;
  picture.Height = 16;
  picture.Pixels.assign(256, 0x808080);
  std::vector<uint8_t> jpeg = EncodeJpeg(picture, 80);
  for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {  // start of frame, baseline
      jpeg[i + 5] = static_cast<uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<uint8_t>(height);
      jpeg[i + 7] = static_cast<uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<uint8_t>(width);
      break;
    }
  }
  return jpeg;
}

std::vector<uint8_t> JpegPayload(const std::vector<uint8_t>& jpeg) {
  TContainerStreamWriter data;
  data.U32(static_cast<uint32_t>(jpeg.size()));
  data.Raw(jpeg);
  return MakePayload("TJPEGImage", data.Bytes());
}

TEST(HostileInput, JpegClaimingAHugePictureIsRefused) {
  EXPECT_EQ(PictureLoadError(MakePayloadContainer(JpegPayload(JpegClaiming(60000, 60000)))),
            "Error reading p.Picture.Data: JPEG image is too large");
  // A claimed size within bounds decodes the data there is; the rest is the library's filler.
  const TPicture picture = LoadOnlyPicture(MakePayloadContainer(JpegPayload(JpegClaiming(64, 48))));
  EXPECT_EQ(picture.Width, 64);
  EXPECT_EQ(picture.Height, 48);
}

TEST(HostileInput, DamagedJpegRaisesOrDecodesButNeverExits) {
  TPicture picture;
  picture.Width = 24;
  picture.Height = 24;
  for (int i = 0; i < 24 * 24; ++i) picture.Pixels.push_back(static_cast<uint32_t>(i * 977));
  const std::vector<uint8_t> jpeg = EncodeJpeg(picture, 75);
  for (size_t length : {size_t{0}, size_t{2}, size_t{20}, jpeg.size() / 2, jpeg.size() - 2}) {
    std::vector<uint8_t> cut(jpeg.begin(), jpeg.begin() + length);
    cut.resize(std::max<size_t>(cut.size(), 1), 0);
    const std::string error = PictureLoadError(MakePayloadContainer(JpegPayload(cut)));
    EXPECT_TRUE(error.empty() || error.starts_with("Error reading p.Picture.Data: "))
        << "cut at " << length << ": " << error;
  }
}

}  // namespace
