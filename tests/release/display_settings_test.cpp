// The display settings file: what is read, what is written, and what a damaged file gives.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/sdl2/sdl_display_settings.h"

// Failure messages show the settings as the file would hold them.
void PrintTo(const TDisplaySettings& settings, std::ostream* out) {
  *out << "{" << FormatDisplaySettings(settings) << "}";
}

namespace {
namespace fs = std::filesystem;

class DisplaySettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("brunival-display-" + std::to_string(getpid()));
    fs::remove_all(folder_);
    file_ = folder_ / "brunival" / "display.conf";
  }
  void TearDown() override { fs::remove_all(folder_); }
  void Write(const std::string& text) {
    fs::create_directories(file_.parent_path());
    std::ofstream(file_, std::ios::binary) << text;
  }
  fs::path folder_;
  fs::path file_;
};

TEST(DisplaySettingsText, ReadsWhatItWrites) {
  for (const TDisplaySettings& settings :
       {TDisplaySettings{true, 0}, TDisplaySettings{false, 0}, TDisplaySettings{false, 2}}) {
    const std::string text = FormatDisplaySettings(settings);
    const auto read = ParseDisplaySettings(text);
    ASSERT_TRUE(read.has_value()) << "could not read back:\n" << text;
    EXPECT_EQ(read->FullScreen, settings.FullScreen) << text;
    EXPECT_EQ(read->Monitor, settings.Monitor) << text;
  }
}

TEST(DisplaySettingsText, ToleratesSpacingCommentsAndNewerKeys) {
  const auto read =
      ParseDisplaySettings("# display\r\n  fullscreen = 0 \r\n\nscale=3\nmonitor=1\n");
  ASSERT_TRUE(read.has_value()) << "a hand-edited file with an unknown key should be read";
  EXPECT_FALSE(read->FullScreen);
  EXPECT_EQ(read->Monitor, 1);
  const auto defaults = ParseDisplaySettings("fullscreen=1");
  ASSERT_TRUE(defaults.has_value()) << "the monitor may be left out, the last newline too";
  EXPECT_EQ(defaults->Monitor, 0);
  EXPECT_EQ(defaults->Scaling, TScaling::Sharp) << "a file from before the choice means sharp";
  const auto integer = ParseDisplaySettings(FormatDisplaySettings({true, 0, TScaling::Integer}));
  ASSERT_TRUE(integer.has_value());
  EXPECT_EQ(integer->Scaling, TScaling::Integer);
}

TEST(DisplaySettingsText, MonitorNameIsAnOptionalLine) {
  const TDisplaySettings docked{false, 1, TScaling::Sharp, "DELL U2415 (DP-2)"};
  EXPECT_EQ(ParseDisplaySettings(FormatDisplaySettings(docked)), docked);
  EXPECT_EQ(FormatDisplaySettings({false, 1}), "fullscreen=0\nmonitor=1\nscaling=sharp\n")
      << "without a name the file is as older versions wrote it";
  const auto old = ParseDisplaySettings("fullscreen=0\nmonitor=1\n");
  ASSERT_TRUE(old.has_value());
  EXPECT_EQ(old->MonitorName, "");
  EXPECT_FALSE(ParseDisplaySettings("fullscreen=0\ndisplay=" + std::string(300, 'x')))
      << "a name far too long to be a monitor's";
}

TEST(WindowSize, LargestWholeMultipleInTheWorkArea) {
  // Work areas less a frame: 1080p with a task bar, 1440p, 4K, and screens too small for 2x.
  EXPECT_EQ(WholeWindowFactor(640, 480, 1904, 992), 2);
  EXPECT_EQ(WholeWindowFactor(640, 480, 2544, 1352), 2);
  EXPECT_EQ(WholeWindowFactor(640, 480, 3824, 2072), 4);
  EXPECT_EQ(WholeWindowFactor(640, 480, 1008, 720), 1);
  EXPECT_EQ(WholeWindowFactor(640, 480, 600, 400), 1) << "never below the picture itself";
}

TEST(DisplaySettingsText, DamagedTextIsRefused) {
  for (const char* text :
       {"", "monitor=1\n", "fullscreen=2\n", "fullscreen=yes\n", "fullscreen=1\nmonitor=-1\n",
        "fullscreen=1\nmonitor=99999999999\n", "fullscreen\n", "fullscreen=1x\n",
        "\x01\xff garbage", "fullscreen=1\nscaling=smooth\n"}) {
    EXPECT_FALSE(ParseDisplaySettings(text).has_value()) << "should be refused: " << text;
  }
}

TEST_F(DisplaySettingsFile, SavedChoiceIsLoadedAndReplacedWhole) {
  ASSERT_TRUE(SaveDisplaySettings(file_, {false, 1})) << "could not write " << file_;
  EXPECT_EQ(LoadDisplaySettings(file_), (TDisplaySettings{false, 1}));
  ASSERT_TRUE(SaveDisplaySettings(file_, {true, 0}));
  EXPECT_EQ(LoadDisplaySettings(file_), (TDisplaySettings{true, 0}));
  EXPECT_FALSE(fs::exists(file_.string() + ".tmp")) << "the temporary file should be gone";
}

TEST_F(DisplaySettingsFile, MissingOrDamagedFileGivesFullScreen) {
  EXPECT_EQ(LoadDisplaySettings(file_), TDisplaySettings{}) << "no file";
  Write("fullscreen=maybe\n");
  EXPECT_EQ(LoadDisplaySettings(file_), TDisplaySettings{}) << "damaged file";
  Write("fullscreen=0\n" + std::string(10000, '#'));
  EXPECT_EQ(LoadDisplaySettings(file_), TDisplaySettings{}) << "a file far too long to be ours";
  EXPECT_TRUE(TDisplaySettings{}.FullScreen) << "the default is full screen";
}

TEST_F(DisplaySettingsFile, UnwritablePlaceReportsFailure) {
  Write("x");
  // The folder the file should go in is a file: nothing can be written there.
  EXPECT_FALSE(SaveDisplaySettings(file_ / "display.conf", {false, 0}));
  EXPECT_FALSE(SaveDisplaySettings({}, {false, 0})) << "no known place";
}

// Sets a variable for one test and puts back what was there.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    const char* old = getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedVariable() {
    if (had_) {
      setenv(name_, old_.c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

TEST_F(DisplaySettingsFile, PathFollowsTheConfigBase) {
  ScopedVariable home("HOME", "/home/player");
  {
    ScopedVariable config("XDG_CONFIG_HOME", folder_.c_str());
    EXPECT_EQ(DisplaySettingsPath(), file_);
  }
  ScopedVariable config("XDG_CONFIG_HOME", "relative/config");
  EXPECT_EQ(DisplaySettingsPath(), fs::path("/home/player/.config/brunival/display.conf"))
      << "a relative config base is not used";
}
}  // namespace
