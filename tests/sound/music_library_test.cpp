// The music library: modules load, play, end or loop, fade, and bad handles and files are safe.
#include "media/music_library.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "media/mixer.h"
#include "sound_test_support.h"

using namespace sound_test;

namespace {
class MusicLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_.Path() / "tiny.mod", TinyModule());
    SetMusicOutput(&mixer_);
    FSOUND_Init(44100, 64, 0);
  }
  void TearDown() override {
    FSOUND_Close();
    SetMusicOutput(nullptr);
  }

  std::vector<float> Run(int32_t milliseconds) {
    mixer_.CaptureOutput(true);
    mixer_.Advance(milliseconds);
    return mixer_.TakeCapturedOutput();
  }

  ScopedWorkDir dir_;
  TMixer mixer_{44100};
};
}  // namespace

TEST_F(MusicLibraryTest, PlayOnceSongSoundsForItsLengthThenStops) {
  FMUSIC_MODULE* song = FMUSIC_LoadSong("tiny.mod");
  ASSERT_NE(song, nullptr);
  EXPECT_FALSE(FMUSIC_IsPlaying(song)) << "a loaded song waits for PlaySong";
  FMUSIC_SetLooping(song, 0);
  FMUSIC_PlaySong(song);
  EXPECT_TRUE(FMUSIC_IsPlaying(song));

  const std::vector<float> out = Run(1000);
  EXPECT_GT(Rms(out, 0, 44100 / 4), 0.05) << "the module must reach the output";
  // Eight rows at speed 3 and 125 BPM: 8 * 3 * 20 ms = 480 ms.
  EXPECT_NEAR(double(AudibleFrames(out)) / 44100.0, 0.48, 0.03);
  EXPECT_FALSE(FMUSIC_IsPlaying(song)) << "a play-once song reports its end";

  FMUSIC_PlaySong(song);
  EXPECT_GT(Rms(Run(200)), 0.05) << "PlaySong starts a finished song again from the beginning";
}

TEST_F(MusicLibraryTest, LoopingSongPlaysOnAndStopsOnRequest) {
  FMUSIC_MODULE* song = FMUSIC_LoadSong("tiny.mod");
  FMUSIC_SetLooping(song, -1);
  FMUSIC_PlaySong(song);
  const std::vector<float> out = Run(2000);
  EXPECT_TRUE(FMUSIC_IsPlaying(song));
  EXPECT_GT(Rms(out, 44100 * 19 / 10), 0.05) << "still sounding after four lengths";

  FMUSIC_StopSong(song);
  EXPECT_FALSE(FMUSIC_IsPlaying(song));
  EXPECT_EQ(Rms(Run(100)), 0.0);
  FMUSIC_PlaySong(song);
  FMUSIC_StopAllSongs();
  EXPECT_FALSE(FMUSIC_IsPlaying(song));
}

TEST_F(MusicLibraryTest, MasterVolumeScalesTheOutput) {
  FMUSIC_MODULE* song = FMUSIC_LoadSong("tiny.mod");
  FMUSIC_SetMasterVolume(song, 255);
  FMUSIC_PlaySong(song);
  const double full = Rms(Run(100));
  FMUSIC_SetMasterVolume(song, 128);
  Run(50);  // the glide to the new level
  FMUSIC_PlaySong(song);
  const double half = Rms(Run(100));
  EXPECT_NEAR(half / full, 128.0 / 255.0, 0.02);
  FMUSIC_SetMasterVolume(song, 0);
  Run(50);
  EXPECT_EQ(Rms(Run(100)), 0.0) << "volume 0 is silent";
  EXPECT_TRUE(FMUSIC_IsPlaying(song)) << "but the song goes on";
}

TEST_F(MusicLibraryTest, MissingOrGarbageFilesGiveNoHandle) {
  EXPECT_EQ(FMUSIC_LoadSong("nothing.mod"), nullptr);
  EXPECT_EQ(FMUSIC_LoadSong(nullptr), nullptr);
  EXPECT_EQ(FMUSIC_LoadSong("."), nullptr) << "a directory";
  std::vector<uint8_t> garbage(4000);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = uint8_t(i * 37 + (i >> 3) * 11);
  WriteFile(dir_.Path() / "garbage.mod", garbage);
  WriteFile(dir_.Path() / "empty.xm", {});
  EXPECT_EQ(FMUSIC_LoadSong("garbage.mod"), nullptr);
  EXPECT_EQ(FMUSIC_LoadSong("empty.xm"), nullptr);
}

TEST_F(MusicLibraryTest, NullAndFreedHandlesAreAccepted) {
  EXPECT_FALSE(FMUSIC_PlaySong(nullptr));
  EXPECT_FALSE(FMUSIC_SetMasterVolume(nullptr, 255));
  EXPECT_FALSE(FMUSIC_IsPlaying(nullptr));
  EXPECT_FALSE(FMUSIC_FreeSong(nullptr));
  FMUSIC_MODULE* song = FMUSIC_LoadSong("tiny.mod");
  FMUSIC_PlaySong(song);
  EXPECT_TRUE(FMUSIC_FreeSong(song));
  EXPECT_FALSE(FMUSIC_IsPlaying(song)) << "a freed handle is not playing";
  EXPECT_FALSE(FMUSIC_FreeSong(song)) << "freeing twice is refused, not a crash";
  EXPECT_EQ(Rms(Run(100)), 0.0);
  FSOUND_Close();
  FSOUND_Close();  // closing again, and closing without init, are accepted
}

TEST_F(MusicLibraryTest, SongsAreCommandedWhileTheAudioThreadRenders) {
  std::atomic<bool> running{true};
  std::thread audio([&] {
    std::vector<float> block(2 * 512);
    while (running) {
      mixer_.Render(block.data(), 512);
      std::this_thread::yield();  // a device asks again only after playing the block
    }
  });
  for (int round = 0; round < 40; ++round) {
    FMUSIC_MODULE* song = FMUSIC_LoadSong("tiny.mod");
    FMUSIC_SetLooping(song, round % 2);
    FMUSIC_PlaySong(song);
    for (int volume = 0; volume < 256; volume += 16) FMUSIC_SetMasterVolume(song, volume);
    FMUSIC_IsPlaying(song);
    if (round % 3 == 0) FMUSIC_StopAllSongs();
    if (round % 2 == 0) FMUSIC_FreeSong(song);
  }
  FSOUND_Close();
  running = false;
  audio.join();
  EXPECT_EQ(Rms(Run(50)), 0.0) << "nothing is left playing after the library closed";
}

TEST(MusicWithoutOutput, ModulesStillLoadAndPlayUnheard) {
  ScopedWorkDir dir;
  WriteFile(dir.Path() / "tiny.mod", TinyModule());
  SetMusicOutput(nullptr);
  FSOUND_Init(44100, 64, 0);
  FMUSIC_MODULE* song = FMUSIC_LoadSong("tiny.mod");
  ASSERT_NE(song, nullptr) << "no sound device must not make the music fail to load";
  FMUSIC_PlaySong(song);
  EXPECT_TRUE(FMUSIC_IsPlaying(song));
  FSOUND_Close();
  EXPECT_FALSE(FMUSIC_IsPlaying(song));
}
