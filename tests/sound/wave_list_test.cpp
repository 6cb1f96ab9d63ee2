// The sound list's voice rules: copies, their limit and reuse order, volume, rate, no device.
#include "media/wave_list.h"

#include <gtest/gtest.h>

#include "media/media_events.h"
#include "media/sound.h"
#include "sound_test_support.h"

using namespace sound_test;

namespace {
class WaveListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sound_.Attach(list_);
    sound_.Initialize();
    TakeMediaEvents();
  }

  // As the container reader does: add, then initialize and restore the list.
  TWaveCollectionItem& Add(const std::string& name, TWave wave, int32_t maxPlaying = 0) {
    TWaveCollectionItem& item = list_.Add();
    item.SetName(name);
    item.Wave = std::move(wave);
    item.SetMaxPlayingCount(maxPlaying);
    list_.Initialize();
    list_.Restore();
    return item;
  }

  std::vector<float> Run(int32_t milliseconds) {
    mixer_.CaptureOutput(true);
    mixer_.Advance(milliseconds);
    return mixer_.TakeCapturedOutput();
  }

  TMixer mixer_{44100};
  TWaveCollection list_;
  TDXSound sound_{&mixer_};
};
}  // namespace

TEST_F(WaveListTest, LimitOfTwoRestartsTheOldestCopyAndMovesItToTheEnd) {
  TWaveCollectionItem& item = Add("bum", ConstantWave(22050, 22050), 2);
  item.Play(false);
  Run(100);
  item.Play(false);
  Run(100);
  ASSERT_EQ(item.Copies().size(), 2u);
  const TVoiceId first = item.Copies()[0], second = item.Copies()[1];
  EXPECT_GT(mixer_.VoicePosition(first), mixer_.VoicePosition(second));

  item.Play(false);
  EXPECT_EQ(item.Copies(), (std::vector<TVoiceId>{second, first}));
  EXPECT_EQ(mixer_.VoicePosition(first), 0.0) << "the oldest copy restarts from the beginning";
  EXPECT_TRUE(mixer_.VoicePlaying(first) && mixer_.VoicePlaying(second));
  EXPECT_EQ(mixer_.VoiceCount(), 3) << "Master and two copies";
}

TEST_F(WaveListTest, NoLimitGivesOverlappingCopiesThenReusesTheFirstIdleOne) {
  TWaveCollectionItem& item = Add("padatomu", ConstantWave(22050, 2205, 1000));
  for (int i = 0; i < 10; ++i) item.Play(false);
  ASSERT_EQ(item.Copies().size(), 10u);
  const std::vector<float> out = Run(50);
  EXPECT_NEAR(out[0], 10 * 1000 / 32768.0, 1e-4) << "ten copies sound together";

  Run(200);  // all ended
  const std::vector<TVoiceId> before = item.Copies();
  item.Play(false);
  EXPECT_EQ(item.Copies(), before) << "an idle copy is reused, in place";
  EXPECT_TRUE(mixer_.VoicePlaying(before[0]));
  EXPECT_FALSE(mixer_.VoicePlaying(before[1]));
}

TEST_F(WaveListTest, VolumeReachesOnlyCopiesStartedAfterIt) {
  TWaveCollectionItem& item = Add("alert", ConstantWave(22050, 22050));
  item.Play(false);
  item.SetVolume(kMinVolume);
  EXPECT_GT(Rms(Run(100)), 0.4) << "the sounding copy keeps its full volume";
  item.Play(false);
  std::vector<float> out = Run(1000);
  // The first copy ends 900 ms in; the silent second one sounds on for another 100 ms.
  EXPECT_GT(Rms(out, 0, 44100 * 8 / 10), 0.4);
  EXPECT_EQ(Rms(out, 44100 * 91 / 100), 0.0) << "the copy started after the change is silent";
  EXPECT_EQ(mixer_.VoiceVolume(item.MasterVoice()), kMinVolume) << "applied to the Master at once";
}

TEST_F(WaveListTest, FrequencyChangesThePlayedLength) {
  TWaveCollectionItem& item = Add("menu_ok", ConstantWave(22050, 22050));
  item.Play(false);
  EXPECT_NEAR(double(AudibleFrames(Run(1500))), 44100.0, 2.0) << "recorded rate: one second";
  item.SetFrequency(25000);
  item.Play(false);
  EXPECT_NEAR(double(AudibleFrames(Run(1500))), 22050.0 / 25000.0 * 44100.0, 2.0)
      << "25000 Hz must play 22050 frames in 0.882 s";
}

TEST_F(WaveListTest, LoopedSoundRepeatsOnItsMasterUntilStopped) {
  TWaveCollectionItem& item = Add("alert", ConstantWave(22050, 2205));
  item.Looped = true;
  item.Play(false);
  EXPECT_GT(Rms(Run(1000), 44100 - 441), 0.4) << "still sounding after ten lengths";
  EXPECT_TRUE(item.Copies().empty());
  item.Stop();
  EXPECT_EQ(Rms(Run(100)), 0.0);
  EXPECT_EQ(TakeMediaEvents(), (std::vector<std::string>{"play alert", "stop alert"}));
}

TEST_F(WaveListTest, ChangingTheLimitAndClosingTheOutputFreeVoices) {
  TWaveCollectionItem& item = Add("vymena", ConstantWave(22050, 22050));
  for (int i = 0; i < 4; ++i) item.Play(false);
  item.SetMaxPlayingCount(-3);
  EXPECT_EQ(item.MaxPlayingCount(), 0) << "negative limits are stored as 0";
  EXPECT_TRUE(item.Copies().empty());
  EXPECT_EQ(Rms(Run(100)), 0.0) << "freed copies no longer sound";
  sound_.Finalize();
  EXPECT_EQ(mixer_.VoiceCount(), 0);
  EXPECT_FALSE(item.Initialized());
}

TEST_F(WaveListTest, UnplayableOrEmptyRecordingsPlayNothingAndRaiseNothing) {
  TWave odd = ConstantWave(22050, 100);
  odd.Format = FormatRecord(22050, 1, 12);
  TWaveCollectionItem& unplayable = Add("odd", odd);
  TWaveCollectionItem& empty = Add("empty", TWave{});
  EXPECT_NO_THROW(unplayable.Play(false));
  EXPECT_NO_THROW(empty.Play(false));
  EXPECT_EQ(unplayable.MasterVoice(), kNoVoice);
  EXPECT_EQ(mixer_.VoiceCount(), 0);
}

TEST(WaveListWithoutDevice, EveryCallIsSilentButLoggedAndFindWorks) {
  TWaveCollection list;
  TDXSound sound(nullptr);
  sound.Attach(list);
  sound.Initialize();
  EXPECT_FALSE(sound.Initialized());
  TWaveCollectionItem& item = list.Add();
  item.SetName("Uspech");
  item.Wave = ConstantWave(22050, 100);
  list.Initialize();
  list.Restore();
  TakeMediaEvents();

  TWaveCollectionItem& found = list.Find("uspech");
  EXPECT_EQ(&found, &item);
  EXPECT_NO_THROW({
    found.SetFrequency(25000);
    found.SetVolume(kMinVolume);
    found.Play(true);  // would wait for the end if anything sounded
    found.Stop();
  });
  EXPECT_FALSE(found.Initialized());
  EXPECT_EQ(found.Frequency(), 25000) << "values are still stored";
  EXPECT_EQ(TakeMediaEvents(), (std::vector<std::string>{"play Uspech", "stop Uspech"}));
  EXPECT_THROW(list.Find("rekord"), EWaveCollectionError);
}
