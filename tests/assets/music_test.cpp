// The four modules load in the tracker library without complaint and last as composed.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "music/composer.h"
#include "music/songs.h"

namespace {

struct TLoaded {
  openmpt_module* Module = nullptr;
  std::vector<std::string> Log;
  ~TLoaded() {
    if (Module) openmpt_module_destroy(Module);
  }
};

void Collect(const char* message, void* user) {
  static_cast<std::vector<std::string>*>(user)->push_back(message);
}

void Load(const TModuleFile& file, TLoaded& loaded) {
  int error = 0;
  const char* message = nullptr;
  loaded.Module =
      openmpt_module_create_from_memory2(file.Bytes.data(), file.Bytes.size(), Collect, &loaded.Log,
                                         nullptr, nullptr, &error, &message, nullptr);
}

class ModulesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { modules_ = new std::vector<TModuleFile>(MakeAllModules()); }
  static void TearDownTestSuite() { delete modules_; }
  static std::vector<TModuleFile>* modules_;
};
std::vector<TModuleFile>* ModulesTest::modules_ = nullptr;

TEST_F(ModulesTest, LoadWithoutWarningsAndLastOneToTwoMinutes) {
  ASSERT_EQ(modules_->size(), 4u);
  for (const TModuleFile& file : *modules_) {
    TLoaded loaded;
    Load(file, loaded);
    ASSERT_NE(loaded.Module, nullptr) << file.Path << " did not load";
    for (const std::string& line : loaded.Log) ADD_FAILURE() << file.Path << " logged: " << line;
    const double seconds = openmpt_module_get_duration_seconds(loaded.Module);
    EXPECT_NEAR(seconds, file.Seconds, 0.5) << file.Path;
    EXPECT_GE(seconds, 60.0) << file.Path;
    EXPECT_LE(seconds, 120.0) << file.Path;
    const char* typeText = openmpt_module_get_metadata(loaded.Module, "type");
    const std::string type = typeText != nullptr ? typeText : "";
    openmpt_free_string(typeText);
    EXPECT_EQ(type, file.Path.ends_with(".xm") ? "xm" : "mod") << file.Path;
    EXPECT_EQ(openmpt_module_get_num_channels(loaded.Module), 4) << file.Path;
  }
}

TEST_F(ModulesTest, HeadersFollowTheirFormats) {
  for (const TModuleFile& file : *modules_) {
    const std::vector<uint8_t>& b = file.Bytes;
    if (file.Path.ends_with(".xm")) {
      ASSERT_GT(b.size(), 80u);
      EXPECT_EQ(std::memcmp(b.data(), "Extended Module: ", 17), 0) << file.Path;
      EXPECT_EQ(b[37], 0x1A) << file.Path;
      EXPECT_EQ(b[58] | (b[59] << 8), 0x0104) << file.Path << " version";
    } else {
      ASSERT_GT(b.size(), 1084u);
      EXPECT_EQ(std::memcmp(b.data() + 1080, "M.K.", 4), 0) << file.Path;
    }
  }
}

TEST_F(ModulesTest, PlayAudiblyWithoutClipping) {
  for (const TModuleFile& file : *modules_) {
    TLoaded loaded;
    Load(file, loaded);
    ASSERT_NE(loaded.Module, nullptr);
    std::vector<float> buffer(2 * 4096);
    double peak = 0, energy = 0;
    size_t frames = 0;
    // The first twenty seconds are enough to hear every section style start.
    while (frames < 48000 * 20) {
      const size_t got =
          openmpt_module_read_interleaved_float_stereo(loaded.Module, 48000, 4096, buffer.data());
      if (got == 0) break;
      for (size_t i = 0; i < 2 * got; ++i) {
        peak = std::max(peak, static_cast<double>(std::fabs(buffer[i])));
        energy += buffer[i] * buffer[i];
      }
      frames += got;
    }
    const double rms = std::sqrt(energy / (2.0 * frames));
    EXPECT_LT(peak, 1.0) << file.Path;
    EXPECT_GT(rms, 0.03) << file.Path << " is nearly silent";
  }
}

TEST(Composer, RejectsMalformedPlans) {
  TSongPlan plan{"bad", 120, {{"a", {"Am", "F", "C", "G"}, "A4 - -"}}, {"a"}};
  EXPECT_THROW(ComposeSong(plan, kModSampleRate), std::runtime_error) << "short melody";
  plan.Sections[0].Melody = "";
  plan.Sections[0].Chords[2] = "Xq";
  EXPECT_THROW(ComposeSong(plan, kModSampleRate), std::runtime_error) << "unknown chord";
  plan.Sections[0].Chords[2] = "C";
  plan.Order = {"missing"};
  EXPECT_THROW(ComposeSong(plan, kModSampleRate), std::runtime_error) << "unknown section";
}

TEST(Composer, NoteNames) {
  EXPECT_EQ(ParseNoteName("C4"), 60);
  EXPECT_EQ(ParseNoteName("A4"), 69);
  EXPECT_EQ(ParseNoteName("F#5"), 78);
  EXPECT_EQ(ParseNoteName("Bb3"), 58);
  EXPECT_EQ(ParseNoteName("H4"), -1);
  EXPECT_EQ(ParseNoteName("C"), -1);
  EXPECT_EQ(ParseNoteName("C45"), -1);
}

TEST(ModWriter, RefusesNotesOutsideTheThreeOctaves) {
  TSongPlan plan{"range", 120, {{"a", {"Am", "F", "C", "G"}, ""}}, {"a"}};
  plan.Sections[0].Melody =
      "C7 - - - - - - - | - - - - - - - - | - - - - - - - - | - - - - - - - -";
  const TSong song = ComposeSong(plan, kModSampleRate);
  EXPECT_THROW(EncodeMod(song), std::runtime_error);
}

}  // namespace
