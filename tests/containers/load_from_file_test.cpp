// LoadFromFile: replacing the lists' items from files, and making them playable or drawable at
// once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "container_test_support.h"
#include "media/container_errors.h"
#include "media/container_writer.h"
#include "media/display.h"
#include "media/mixer.h"
#include "media/sound.h"
#include "platform/backend.h"

namespace {

class NullDisplay : public IDisplayBackend {
 public:
  bool Open(int32_t, int32_t, bool) override { return true; }
  void Close() override {}
  bool CanPresent() override { return true; }
  void Present(const TDirectDrawSurface&) override {}
};

class LoadFromFileTest : public testing::Test {
 protected:
  std::string PathOf(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("containers_test_" + std::to_string(::getpid()) + "_" + name))
        .string();
  }
  void TearDown() override {
    for (const auto& path : written_) std::filesystem::remove(path);
  }
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    written_.push_back(path);
    return path;
  }

 private:
  std::vector<std::string> written_;
};

TPictureEntry Picture(const std::string& name) {
  TPictureEntry entry;
  entry.Name = name;
  entry.Picture = MakeTestPicture(8, 4);
  entry.PatternWidth = 4;
  return entry;
}

TEST_F(LoadFromFileTest, PicturesReplaceTheListAndAreDrawableOnAnOpenDisplay) {
  NullDisplay backend;
  TDXDraw display(backend);
  TPictureCollection list;
  display.Attach(list);
  display.Initialize();
  list.Add().SetName("old");

  const std::string path =
      Write("grafika.dat", EncodePictureContainer({Picture("a"), Picture("b")}));
  list.LoadFromFile(path);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.FindOrNull("old"), nullptr) << "loading must drop the earlier items";
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(list.Items(i).Initialized()) << "item " << i;
    EXPECT_EQ(list.Items(i).PatternCount(), 2) << "item " << i;
  }

  // The same file written by the writer's own file function loads the same.
  const std::string again = PathOf("again.dat");
  WritePictureContainer(again, {Picture("c")});
  list.LoadFromFile(again);
  std::filesystem::remove(again);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Items(0).Name(), "c");
}

TEST_F(LoadFromFileTest, MissingFileFailsAndKeepsTheList) {
  TPictureCollection pictures;
  pictures.Add().SetName("kept");
  EXPECT_THROW(pictures.LoadFromFile(PathOf("missing.dat")), EFOpenError);
  EXPECT_EQ(pictures.Count(), 1);
  TWaveCollection sounds;
  EXPECT_THROW(sounds.LoadFromFile(PathOf("missing.dat")), EFOpenError);
  // A directory is no file to load either.
  EXPECT_THROW(pictures.LoadFromFile(std::filesystem::temp_directory_path().string()), EFOpenError);
  EXPECT_EQ(pictures.Count(), 1);
}

TEST_F(LoadFromFileTest, FailedLoadLeavesTheItemsReadBefore) {
  std::vector<uint8_t> file = EncodePictureContainer({Picture("a"), Picture("b")});
  file.resize(file.size() - 40);
  TPictureCollection list;
  list.Add().SetName("old");
  EXPECT_THROW(list.LoadFromFile(Write("cut.dat", file)), EReadError);
  ASSERT_GE(list.Count(), 1);
  EXPECT_EQ(list.Items(0).Name(), "a");
  EXPECT_FALSE(list.Items(0).Initialized()) << "a failed load initializes nothing";
}

TEST_F(LoadFromFileTest, SoundsAreReadyOnAnOpenSoundOutput) {
  TMixer mixer;
  TDXSound sound(&mixer);
  TWaveCollection list;
  sound.Attach(list);
  sound.Initialize();

  TSoundEntry entry;
  entry.Name = "menu_ok";
  entry.Data.assign(2000, 0);
  list.LoadFromFile(Write("zvuky.dat", EncodeSoundContainer({entry})));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_TRUE(list.Items(0).Initialized());
  EXPECT_NE(list.Items(0).MasterVoice(), kNoVoice) << "a loaded sound needs its voice at once";
  sound.Finalize();
}

}  // namespace
