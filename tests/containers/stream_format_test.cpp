// The container layout: resource header, signature, root header, property paths and every error.
#include <gtest/gtest.h>

#include "container_test_support.h"
#include "media/container_writer.h"
#include "test_dib_encoder.h"

namespace {

std::vector<uint8_t> OnePictureFile() {
  TPictureEntry entry;
  entry.Name = "menu";
  entry.Picture = MakeTestPicture(2, 2);
  return EncodePictureContainer({entry});
}

TEST(StreamFormat, ResourceNamesOfAnyLengthAreSkipped) {
  for (size_t length = 0; length <= 63; ++length) {
    const std::string name(length, static_cast<char>('A' + length % 26));
    const auto file = MakeListContainer(
        kPictureRootClass,
        [](TContainerStreamWriter& out) {
          out.Tag(vaList);
          out.PropertyName("Name");
          out.String("x");
          out.EndOfList();
        },
        name);
    ASSERT_EQ(file[3 + length], 0) << "name must end with a 0 byte";
    TPictureCollection list;
    LoadPictureContainer(list, file);
    ASSERT_EQ(list.Count(), 1) << "name length " << length;
    EXPECT_EQ(list.Items(0).Name(), "x") << "name length " << length;
  }
}

TEST(StreamFormat, WrongHeaderOrSignatureIsAnInvalidStreamFormat) {
  const auto good = OnePictureFile();
  std::vector<std::vector<uint8_t>> bad(4, good);
  bad[0][0] = 0xFE;    // not $FF
  bad[1][1] = 11;      // resource type 11
  bad[2][2] = 1;       // resource type 266
  bad[3][17] ^= 0x20;  // "TPF0" -> "tPF0" after the 17-byte header of "GRAFIKA"
  for (size_t i = 0; i < bad.size(); ++i) {
    TPictureCollection list;
    try {
      LoadPictureContainer(list, bad[i]);
      ADD_FAILURE() << "file " << i << " should fail";
    } catch (const EFilerError& error) {
      EXPECT_STREQ(error.what(), "Invalid stream format") << "file " << i;
    }
    EXPECT_EQ(list.Count(), 0) << "file " << i;
  }
  // A name without its 0 byte within the header is no header; a file that ends inside the header
  // or right after it is cut short.
  std::vector<uint8_t> unterminated = {0xFF, 10, 0};
  unterminated.resize(200, 'N');
  EXPECT_EQ(PictureLoadError(unterminated), "Invalid stream format");
  EXPECT_EQ(PictureLoadError({0xFF, 10, 0, 'A', 0, 0x30, 0x10}), "Stream read error");
  EXPECT_EQ(PictureLoadError({0xFF, 10}), "Stream read error");
  EXPECT_EQ(PictureLoadError({}), "Stream read error");
  EXPECT_EQ(PictureLoadError(std::vector<uint8_t>(good.begin(), good.begin() + 17)),
            "Stream read error");
}

// A file whose root header is written by header, followed by an empty property list.
std::vector<uint8_t> WithRootHeader(const TWriteBody& header) {
  TContainerStreamWriter out;
  out.Raw("TPF0");
  header(out);
  out.EndOfList();
  out.EndOfList();
  return WrapInResource("R", out.Bytes());
}

TEST(StreamFormat, RootPrefixAndObjectName) {
  auto withPrefix = [](uint8_t prefix, bool position) {
    return WithRootHeader([=](TContainerStreamWriter& out) {
      out.Byte(prefix);
      if (position) out.Integer(-1234);
      out.ShortString("TPictureCollectionComponent");
      out.ShortString("DXImageList1");
    });
  };
  EXPECT_EQ(PictureLoadError(withPrefix(0xF0, false)), "");
  EXPECT_EQ(PictureLoadError(withPrefix(0xF1, false)), "");
  EXPECT_EQ(PictureLoadError(withPrefix(0xF2, true)), "");
  EXPECT_EQ(PictureLoadError(withPrefix(0xF6, true)), "");

  for (std::string name : {"_x", "a1_B", "Z"}) {
    EXPECT_EQ(PictureLoadError(WithRootHeader([&](TContainerStreamWriter& out) {
                out.ShortString("Anything");
                out.ShortString(name);
              })),
              "")
        << name;
  }
  for (std::string name : {"1abc", "a b", "a.b", "\xC8"}) {
    EXPECT_EQ(PictureLoadError(WithRootHeader([&](TContainerStreamWriter& out) {
                out.ShortString("TPictureCollectionComponent");
                out.ShortString(name);
              })),
              "''" + name + "'' is not a valid component name");
  }
}

TEST(StreamFormat, RootPropertyPathErrors) {
  auto rootProperty = [](const std::string& path, const TWriteBody& value) {
    return MakeContainer(kPictureRootClass, [&](TContainerStreamWriter& out) {
      out.PropertyName(path);
      value(out);
    });
  };
  auto noValue = [](TContainerStreamWriter&) {};
  EXPECT_EQ(PictureLoadError(rootProperty("Items", noValue)), "Property Items does not exist");
  EXPECT_EQ(PictureLoadError(rootProperty("List.Palette", noValue)),
            "Property Palette does not exist");
  EXPECT_EQ(PictureLoadError(rootProperty("List.ColorTable.Size", noValue)),
            "Invalid property path");
  EXPECT_EQ(SoundLoadError(MakeContainer(
                kWaveRootClass,
                [](TContainerStreamWriter& out) { out.PropertyName("List.ColorTable"); })),
            "Property ColorTable does not exist");
  EXPECT_EQ(PictureLoadError(rootProperty("List", [](auto& out) { out.Integer(1); })),
            "Error reading TPictureCollectionComponent.List: Invalid property value");
  EXPECT_EQ(PictureLoadError(rootProperty(
                "List.ColorTable", [](auto& out) { out.Binary(std::vector<uint8_t>(1023)); })),
            "Error reading TPictureCollectionComponent.List.ColorTable: Stream read error");
  EXPECT_EQ(PictureLoadError(rootProperty("List.ColorTable", [](auto& out) { out.String("x"); })),
            "Error reading TPictureCollectionComponent.List.ColorTable: Invalid property value");
}

std::string ItemError(const TWriteBody& properties) {
  return PictureLoadError(MakePictureItemContainer(properties));
}

TEST(StreamFormat, ItemPropertyErrorsNameTheItemAndPath) {
  EXPECT_EQ(ItemError([](auto& out) {
              out.PropertyName("Colour");
              out.Integer(1);
            }),
            "Error reading TPictureCollectionComponent.List: Property Colour does not exist");
  EXPECT_EQ(ItemError([](auto& out) {
              out.PropertyName("Name.Length");
              out.Integer(1);
            }),
            "Error reading TPictureCollectionComponent.List: Invalid property path");
  EXPECT_EQ(ItemError([](auto& out) {
              out.PropertyName("Transparent");
              out.Integer(1);
            }),
            "Error reading TPictureCollectionItem.Transparent: Invalid property value");
  EXPECT_EQ(ItemError([](auto& out) {
              out.PropertyName("Name");
              out.String("atom1");
              out.PropertyName("PatternWidth");
              out.Identifier("clRed");
            }),
            "Error reading atom1.PatternWidth: Invalid property value");
  EXPECT_EQ(ItemError([](auto& out) {
              out.PropertyName("TransparentColor");
              out.Identifier("clPink");
            }),
            "Error reading TPictureCollectionItem.TransparentColor: Invalid property value");
  EXPECT_EQ(ItemError([](auto& out) {
              out.PropertyName("SystemMemory");
              out.Identifier("Yes");
            }),
            "Error reading TPictureCollectionItem.SystemMemory: Invalid property value");
  EXPECT_EQ(ItemError([](auto& out) {
              out.PropertyName("Picture");
              out.Binary(std::vector<uint8_t>{});
            }),
            "Error reading TPictureCollectionItem.Picture: Invalid property value");
  EXPECT_EQ(ItemError([](auto& out) {
              out.PropertyName("Name");
              out.Identifier("menu");
            }),
            "Error reading TPictureCollectionItem.Name: Invalid property value");
}

TEST(StreamFormat, TagsThatNeverFitAPropertyAreInvalidValues) {
  for (uint8_t tag :
       {uint8_t{vaExtended}, uint8_t{vaSet}, uint8_t{vaNil}, uint8_t{vaSingle}, uint8_t{vaCurrency},
        uint8_t{vaDate}, uint8_t{vaInt64}, uint8_t{21}, uint8_t{255}}) {
    EXPECT_EQ(ItemError([&](auto& out) {
                out.PropertyName("PatternHeight");
                out.Byte(tag);
                out.Raw(std::vector<uint8_t>(16, 0));
              }),
              "Error reading TPictureCollectionItem.PatternHeight: Invalid property value")
        << "tag " << int{tag};
  }
}

TEST(StreamFormat, ItemsMustStartWithTheListTag) {
  EXPECT_EQ(
      PictureLoadError(MakeListContainer(kPictureRootClass, [](auto& out) { out.String("x"); })),
      "Error reading TPictureCollectionComponent.List: Invalid property value");
  EXPECT_EQ(PictureLoadError(MakeListContainer(kPictureRootClass,
                                               [](auto& out) {
                                                 out.Integer(3);
                                                 out.EndOfList();
                                               })),
            "Error reading TPictureCollectionComponent.List: Invalid property value");
}

TEST(StreamFormat, ObjectNameOrClassNameOpensTheMessage) {
  TContainerStreamWriter out;
  out.RootHeader(kWaveRootClass, "DXWaveList");
  out.PropertyName("List");
  out.Integer(0);
  out.EndOfList();
  out.EndOfList();
  EXPECT_EQ(SoundLoadError(WrapInResource("Z", out.Bytes())),
            "Error reading DXWaveList.List: Invalid property value");
}

TEST(StreamFormat, TruncationKeepsTheItemsReadBefore) {
  TPictureEntry a, b;
  a.Name = "a";
  a.Picture = MakeTestPicture(4, 4);
  b.Name = "b";
  b.Picture = MakeTestPicture(4, 4);
  const auto file = EncodePictureContainer({a, b});
  // Cut inside b's picture: a is complete, b exists with its name but no picture.
  std::vector<uint8_t> cut(file.begin(), file.end() - 20);
  TPictureCollection list;
  try {
    LoadPictureContainer(list, cut);
    ADD_FAILURE() << "a truncated file must fail";
  } catch (const EReadError& error) {
    EXPECT_STREQ(error.what(), "Error reading b.Picture.Data: Stream read error");
  }
  ASSERT_EQ(list.Count(), 2);
  EXPECT_TRUE(SamePicture(a.Picture, list.Items(0).Picture));
  EXPECT_TRUE(list.Items(1).Picture.Empty());

  // Every shorter cut fails too, never crashes, and is reported as a read error.
  for (size_t length = 0; length < file.size(); ++length) {
    const std::string error =
        PictureLoadError(std::vector<uint8_t>(file.begin(), file.begin() + length));
    EXPECT_TRUE(error.ends_with("Stream read error")) << "cut at " << length << ": " << error;
  }
}

TEST(StreamFormat, ChildListMustBeEmpty) {
  auto file = OnePictureFile();
  file.back() = 6;  // a child component where none may be
  EXPECT_EQ(PictureLoadError(file), "Invalid stream format");
}

TEST(StreamFormat, PictureDecoderErrorsAreWrappedWithTheItem) {
  auto dibError = [](const std::vector<uint8_t>& dib) {
    return PictureLoadError(MakePayloadContainer(MakePayload("TDIB", dib)));
  };
  TContainerStreamWriter v4;
  v4.U32(108);
  v4.Raw(std::vector<uint8_t>(104, 0));
  EXPECT_EQ(dibError(v4.Bytes()), "Error reading p.Picture.Data: DIB is invalid");

  auto header = [](uint16_t bits, uint32_t compression, uint32_t colorsUsed) {
    TContainerStreamWriter out;
    for (uint32_t v : {40u, 2u, 2u}) out.U32(v);
    out.U16(1);
    out.U16(bits);
    out.U32(compression);
    for (uint32_t v : {0u, 0u, 0u, colorsUsed, 0u}) out.U32(v);
    return out;
  };
  auto sevenBits = header(7, 0, 0);
  sevenBits.Raw(std::vector<uint8_t>(128 * 4 + 64, 0));
  EXPECT_EQ(dibError(sevenBits.Bytes()), "Error reading p.Picture.Data: Bitcount in invalid (7)");

  auto badMasks = header(16, 3, 0);
  for (uint32_t mask : {0xF00u, 0xF0u, 0xFu}) badMasks.U32(mask);
  badMasks.Raw(std::vector<uint8_t>(16, 0));
  EXPECT_EQ(dibError(badMasks.Bytes()), "Error reading p.Picture.Data: PixelFormat in invalid");

  auto masks565At32 = header(32, 3, 0);
  for (uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) masks565At32.U32(mask);
  masks565At32.Raw(std::vector<uint8_t>(16, 0));
  EXPECT_EQ(dibError(masks565At32.Bytes()), "Error reading p.Picture.Data: PixelFormat in invalid");

  for (uint32_t compression : {4u, 5u, 6u, 0xFFFFFFFFu}) {
    auto other = header(24, compression, 0);
    other.Raw(std::vector<uint8_t>(16, 0));
    EXPECT_EQ(dibError(other.Bytes()), "Error reading p.Picture.Data: DIB is invalid")
        << "compression " << compression;
  }
  auto rle8At4Bits = header(4, 1, 0);
  rle8At4Bits.Raw(std::vector<uint8_t>(64, 0));
  EXPECT_EQ(dibError(rle8At4Bits.Bytes()), "Error reading p.Picture.Data: DIB is invalid");

  const std::string jpegError =
      PictureLoadError(MakePayloadContainer(MakePayload("TJPEGImage", {4, 0, 0, 0, 1, 2, 3, 4})));
  EXPECT_TRUE(jpegError.starts_with("Error reading p.Picture.Data: ") &&
              jpegError.size() > std::string("Error reading p.Picture.Data: ").size())
      << "got: " << jpegError;
}

}  // namespace
