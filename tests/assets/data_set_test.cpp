// The generated data set loads through the game's own readers with every name it looks up.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <map>

#include "data_set.h"
#include "media/picture_list.h"
#include "media/wave_list.h"

namespace {

struct TSize {
  int Width, Height;
};

class DataSetTest : public ::testing::Test {
 protected:
  // Each test runs in its own process under ctest: one folder per process.
  static void SetUpTestSuite() {
    directory_ = (std::filesystem::temp_directory_path() /
                  (std::string("brunival-assets-test") + std::to_string(getpid())))
                     .string();
    std::filesystem::remove_all(directory_);
    WriteDataSet(directory_);
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(directory_); }
  static std::string directory_;
};
std::string DataSetTest::directory_;

TEST_F(DataSetTest, WritesEveryFileTheGameOpens) {
  for (const char* file : {"grafika.dat", "zvuky.dat", "nexoda.cfg", "mod/menu.mod",
                           "mod/hudba1.xm", "mod/hudba2.mod", "mod/hudba3.mod"}) {
    EXPECT_TRUE(std::filesystem::exists(directory_ + "/" + file)) << "missing " << file;
  }
}

TEST_F(DataSetTest, PicturesLoadWithTheSizesTheScreensAreLaidOutFor) {
  TPictureCollection pictures;
  pictures.LoadFromFile(directory_ + "/grafika.dat");
  const std::map<std::string, TSize> expected = {
      {"menu", {640, 480}},   {"DK-napis", {491, 28}}, {"DK-logo", {83, 80}},
      {"DK-uvadi", {63, 13}}, {"atom1", {40, 40}},     {"atom2", {40, 40}},
      {"atom3", {40, 40}},    {"atom4", {40, 40}},     {"atom5", {40, 40}},
      {"vazbaH", {40, 8}},    {"vazbaV", {8, 40}},     {"elektron", {5, 5}},
      {"plochaL", {91, 480}}, {"plochaH", {549, 67}},  {"plochaD", {549, 13}},
      {"plochaS", {56, 400}}, {"plochaP", {13, 400}}};
  for (const auto& [name, size] : expected) {
    TPictureCollectionItem* item = pictures.FindOrNull(name);
    ASSERT_NE(item, nullptr) << "picture " << name << " missing";
    EXPECT_EQ(item->Picture.Width, size.Width) << name;
    EXPECT_EQ(item->Picture.Height, size.Height) << name;
  }
  EXPECT_FALSE(pictures.Find("menu").Transparent) << "the menu background is drawn opaque";
  EXPECT_TRUE(pictures.Find("atom3").Transparent);
}

TEST_F(DataSetTest, FontsHoldAtLeastTheSixtyFourGlyphCells) {
  TPictureCollection pictures;
  pictures.LoadFromFile(directory_ + "/grafika.dat");
  const std::map<std::string, TSize> cells = {{"font1", {31, 31}}, {"font2", {11, 14}}};
  for (const auto& [name, cell] : cells) {
    TPictureCollectionItem& font = pictures.Find(name);
    EXPECT_EQ(font.PatternWidth, cell.Width) << name;
    EXPECT_EQ(font.PatternHeight, cell.Height) << name;
    font.Restore();
    EXPECT_GE(font.PatternCount(), 64) << name << " needs codes 32..95";
  }
}

TEST_F(DataSetTest, SoundsLoadAsMono16BitAt22050Hz) {
  TWaveCollection sounds;
  sounds.LoadFromFile(directory_ + "/zvuky.dat");
  for (const char* name : {"menu_ok", "menu_pohyb", "menu_zpet", "mezihra", "vymena", "bum",
                           "uspech", "neuspech", "alert", "padatomu", "rekord"}) {
    TWaveCollectionItem* item = sounds.FindOrNull(name);
    ASSERT_NE(item, nullptr) << "sound " << name << " missing";
    const std::vector<uint8_t>& format = item->Wave.Format;
    ASSERT_GE(format.size(), 16u) << name;
    const int channels = format[2] | (format[3] << 8);
    const int rate = format[4] | (format[5] << 8) | (format[6] << 16);
    const int bits = format[14] | (format[15] << 8);
    EXPECT_EQ(channels, 1) << name;
    EXPECT_EQ(rate, 22050) << name;
    EXPECT_EQ(bits, 16) << name;
    EXPECT_FALSE(item->Wave.Data.empty()) << name;
    EXPECT_EQ(item->Looped, std::string(name) == "alert") << name << ": only the alarm loops";
  }
}

}  // namespace
