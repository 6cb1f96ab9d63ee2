// Picture item properties: defaults, names, colours, booleans, order values, the colour table.
#include <gtest/gtest.h>

#include "container_test_support.h"
#include "media/container_writer.h"

namespace {

TEST(PictureItems, WriterPropertiesReadBack) {
  TPictureEntry font;
  font.Name = "font1";
  font.Picture = MakeTestPicture(8, 2);
  font.PatternWidth = 4;
  font.PatternHeight = 2;
  font.SkipWidth = -3;
  font.SkipHeight = 300;  // needs the 16-bit integer tag
  font.Transparent = false;
  font.TransparentColor = 0x123456;  // not a named colour: written as a number
  TPictureEntry atom;
  atom.Name = "atom1";
  atom.Picture = MakeTestPicture(3, 3);
  atom.TransparentColor = clFuchsia;  // written as the identifier
  atom.Encoding = TPictureEncoding::Dib32;
  TPictureEntry empty;
  empty.Name = "nothing";

  TPictureCollection list;
  LoadPictureContainer(list, EncodePictureContainer({font, atom, empty}));
  ASSERT_EQ(list.Count(), 3);
  const auto& f = list.Items(0);
  EXPECT_EQ(f.Name(), "font1");
  EXPECT_EQ(f.PatternWidth, 4);
  EXPECT_EQ(f.PatternHeight, 2);
  EXPECT_EQ(f.SkipWidth, -3);
  EXPECT_EQ(f.SkipHeight, 300);
  EXPECT_FALSE(f.Transparent);
  EXPECT_EQ(f.TransparentColor(), 0x123456);
  EXPECT_TRUE(SamePicture(font.Picture, f.Picture));
  const auto& a = list.Items(1);
  EXPECT_EQ(a.Name(), "atom1");
  EXPECT_TRUE(a.Transparent);
  EXPECT_EQ(a.TransparentColor(), clFuchsia);
  EXPECT_TRUE(SamePicture(atom.Picture, a.Picture));
  EXPECT_EQ(list.Items(2).Name(), "nothing");
  EXPECT_TRUE(list.Items(2).Picture.Empty());
  EXPECT_EQ(&list.Find("ATOM1"), &list.Items(1)) << "items must be findable by name";
}

TEST(PictureItems, OmittedPropertiesKeepTheirDefaults) {
  TPictureCollection list;
  LoadPictureContainer(list, MakePictureItemContainer([](TContainerStreamWriter&) {}));
  ASSERT_EQ(list.Count(), 1);
  const auto& item = list.Items(0);
  EXPECT_EQ(item.Name(), "");
  EXPECT_EQ(item.PatternWidth, 0);
  EXPECT_EQ(item.PatternHeight, 0);
  EXPECT_EQ(item.SkipWidth, 0);
  EXPECT_EQ(item.SkipHeight, 0);
  EXPECT_FALSE(item.SystemMemory);
  EXPECT_TRUE(item.Transparent);
  EXPECT_EQ(item.TransparentColor(), clBlack);
  EXPECT_TRUE(item.Picture.Empty());
}

TEST(PictureItems, NamesBooleansAndIdentifiersIgnoreCaseAndLaterValuesWin) {
  TPictureCollection list;
  LoadPictureContainer(list, MakePictureItemContainer([](TContainerStreamWriter& out) {
                         out.PropertyName("NAME");
                         out.String("first");
                         out.PropertyName("transparent");
                         out.Identifier("fALSE");
                         out.PropertyName("SystemMemory");
                         out.Identifier("TRUE");
                         out.PropertyName("transparentcolor");
                         out.Identifier("CLFUCHSIA");
                         out.PropertyName("patternwidth");
                         out.Integer(-70000);
                         out.PropertyName("Name");
                         out.String("second");
                       }));
  ASSERT_EQ(list.Count(), 1);
  const auto& item = list.Items(0);
  EXPECT_EQ(item.Name(), "second");
  EXPECT_FALSE(item.Transparent);
  EXPECT_TRUE(item.SystemMemory);
  EXPECT_EQ(item.TransparentColor(), 0xFF00FF);
  EXPECT_EQ(item.PatternWidth, -70000);
  EXPECT_EQ(list.FindOrNull("first"), nullptr) << "the replaced name must not be found";
}

TEST(PictureItems, TransparentColourAsIdentifierOrNumber) {
  const std::vector<std::pair<std::string, TColor>> identifiers = {
      {"clFuchsia", 0xFF00FF},
      {"clMoneyGreen", 0xC0DCC0},
      {"clNone", 0x1FFFFFFF},
      {"clDefault", 0x20000000},
      {"clBtnFace", static_cast<TColor>(0x8000000F)},
      {"clGradientInactiveCaption", static_cast<TColor>(0x8000001C)},
      {"cl3ddkshadow", static_cast<TColor>(0x80000015)},
  };
  for (const auto& [identifier, value] : identifiers) {
    TPictureCollection list;
    LoadPictureContainer(list, MakePictureItemContainer([&](TContainerStreamWriter& out) {
                           out.PropertyName("TransparentColor");
                           out.Identifier(identifier);
                         }));
    EXPECT_EQ(list.Items(0).TransparentColor(), value) << identifier;
  }
  TPictureCollection list;
  LoadPictureContainer(list, MakePictureItemContainer([](TContainerStreamWriter& out) {
                         out.PropertyName("TransparentColor");
                         out.Integer(16711935);
                       }));
  EXPECT_EQ(list.Items(0).TransparentColor(), clFuchsia);
}

TEST(PictureItems, NamesInEveryStringForm) {
  auto nameFrom = [](TValueTag tag, const std::vector<uint8_t>& bytes, uint32_t count) {
    TPictureCollection list;
    LoadPictureContainer(list, MakePictureItemContainer([&](TContainerStreamWriter& out) {
                           out.PropertyName("Name");
                           out.Tag(tag);
                           if (tag == vaString) {
                             out.Byte(static_cast<uint8_t>(count));
                           } else {
                             out.U32(count);
                           }
                           out.Raw(bytes);
                         }));
    return list.Items(0).Name();
  };
  // "Žluť" in Windows-1250 is 8E 6C 75 9D.
  const std::string expected = "\x8E\x6C\x75\x9D";
  const std::vector<uint8_t> cp1250 = {0x8E, 0x6C, 0x75, 0x9D};
  EXPECT_EQ(nameFrom(vaString, cp1250, 4), expected);
  EXPECT_EQ(nameFrom(vaLString, cp1250, 4), expected);
  EXPECT_EQ(nameFrom(vaWString, {0x7D, 0x01, 0x6C, 0, 0x75, 0, 0x65, 0x01}, 4), expected);
  EXPECT_EQ(nameFrom(vaUTF8String, {0xC5, 0xBD, 0x6C, 0x75, 0xC5, 0xA5}, 6), expected);
  // Characters outside the code page, and malformed UTF-8, become '?'.
  EXPECT_EQ(nameFrom(vaWString, {0x3D, 0xD8, 0x00, 0xDE, 0x41, 0}, 3), "?A");
  EXPECT_EQ(nameFrom(vaUTF8String, {0xE2, 0x82, 0x41}, 3), "?A");
}

TEST(PictureItems, OrderValuesAreSkipped) {
  auto items = [](bool withOrder) {
    return MakeListContainer(kPictureRootClass, [&](TContainerStreamWriter& out) {
      const char* names[] = {"a", "b", "c"};
      const int32_t orders[] = {5, 1000, 100000};  // one of each integer tag
      for (int i = 0; i < 3; ++i) {
        if (withOrder) out.Integer(orders[i]);
        out.Tag(vaList);
        out.PropertyName("Name");
        out.String(names[i]);
        out.EndOfList();
      }
    });
  };
  for (bool withOrder : {false, true}) {
    TPictureCollection list;
    LoadPictureContainer(list, items(withOrder));
    ASSERT_EQ(list.Count(), 3) << (withOrder ? "with" : "without") << " order values";
    EXPECT_EQ(list.Items(0).Name(), "a");
    EXPECT_EQ(list.Items(1).Name(), "b");
    EXPECT_EQ(list.Items(2).Name(), "c");
  }
}

TEST(PictureItems, EmptyCollectionLeavesTheListEmpty) {
  TPictureCollection list;
  LoadPictureContainer(list, MakeListContainer(kPictureRootClass, [](TContainerStreamWriter&) {}));
  EXPECT_EQ(list.Count(), 0);
  LoadPictureContainer(list, EncodePictureContainer({}));
  EXPECT_EQ(list.Count(), 0);
}

TEST(PictureItems, ColourTableTakesTheFirst1024Bytes) {
  std::vector<uint8_t> table(1030);
  for (size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i * 7);
  TPictureCollection list;
  LoadPictureContainer(list, MakeContainer(kPictureRootClass, [&](TContainerStreamWriter& out) {
                         out.PropertyName("list.colortable");
                         out.Binary(table);
                       }));
  EXPECT_TRUE(std::equal(list.ColorTable.begin(), list.ColorTable.end(), table.begin()));
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
