// The mixer: sample conversion, resampling, volume and pan, the headless clock, threads.
#include "media/mixer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "sound_test_support.h"

using namespace sound_test;

namespace {
std::shared_ptr<const TSampleBuffer> Buffer(int rate, int channels, int bits,
                                            const std::vector<uint8_t>& bytes, int tag = 1) {
  TPcmFormat format;
  EXPECT_TRUE(ParseWaveFormat(FormatRecord(rate, channels, bits, tag), format));
  return MakeSampleBuffer(format, bytes.data(), bytes.size());
}
}  // namespace

TEST(SampleBuffer, ConvertsEightBitUnsignedAndSixteenBitSigned) {
  auto eight = Buffer(22050, 1, 8, {0, 128, 255});
  ASSERT_NE(eight, nullptr);
  EXPECT_FLOAT_EQ(eight->Samples[0], -1.0f);
  EXPECT_FLOAT_EQ(eight->Samples[1], 0.0f);
  EXPECT_NEAR(eight->Samples[2], 1.0f, 0.01f);

  // Two stereo frames; a trailing odd byte is not a whole frame and is dropped.
  auto sixteen = Buffer(44100, 2, 16, {0x00, 0x80, 0xFF, 0x7F, 0, 0, 0, 0x40, 0x12});
  ASSERT_NE(sixteen, nullptr);
  EXPECT_EQ(sixteen->Frames(), 2);
  EXPECT_FLOAT_EQ(sixteen->Samples[0], -1.0f);
  EXPECT_NEAR(sixteen->Samples[1], 1.0f, 1e-4f);
  EXPECT_FLOAT_EQ(sixteen->Samples[3], 0.5f);
}

TEST(SampleBuffer, RefusesWhatItCannotPlay) {
  const std::vector<uint8_t> bytes(64, 0);
  EXPECT_EQ(Buffer(22050, 1, 12, bytes), nullptr) << "12-bit samples";
  EXPECT_EQ(Buffer(22050, 3, 16, bytes), nullptr) << "three channels";
  EXPECT_EQ(Buffer(22050, 1, 4, bytes, 2), nullptr) << "compressed format tag 2";
  EXPECT_EQ(Buffer(50, 1, 16, bytes), nullptr) << "rate below 100 Hz";
  EXPECT_EQ(Buffer(22050, 2, 16, {1, 2, 3}), nullptr) << "no whole frame";
  TPcmFormat format;
  EXPECT_FALSE(ParseWaveFormat({1, 0, 1, 0}, format)) << "short format record";
}

TEST(Mixer, InterpolatesBetweenSamplesWhenRaisingTheRate) {
  TMixer mixer(44100);
  // 0, 0.5 at half the output rate: the frame between them must be their mean.
  auto samples = Buffer(22050, 1, 16, {0, 0, 0, 0x40});
  const TVoiceId voice = mixer.CreateVoice(samples);
  mixer.StartVoice(voice, 0, 0, 0, false);
  std::vector<float> out(2 * 8);
  mixer.Render(out.data(), 8);
  EXPECT_FLOAT_EQ(out[0], 0.0f);
  EXPECT_FLOAT_EQ(out[2], 0.25f);
  EXPECT_FLOAT_EQ(out[4], 0.5f);
  EXPECT_FALSE(mixer.VoicePlaying(voice)) << "a two-frame sound ends within eight output frames";
}

TEST(Mixer, AppliesVolumeInHundredthsOfADecibelAndPan) {
  TMixer mixer;
  const TVoiceId voice = mixer.CreateVoice(Buffer(44100, 1, 16, {0, 0x40, 0, 0x40}));
  std::vector<float> out(4);
  mixer.StartVoice(voice, 0, -600, 0, true);  // -6 dB is about half
  mixer.Render(out.data(), 2);
  EXPECT_NEAR(out[0], 0.5f * 0.501f, 1e-3f);

  mixer.StartVoice(voice, 0, 0, 10000, true);  // hard right
  mixer.Render(out.data(), 2);
  EXPECT_NEAR(out[0], 0.0f, 1e-4f) << "left channel of a hard-right voice";
  EXPECT_FLOAT_EQ(out[1], 0.5f);

  mixer.StartVoice(voice, 0, kMinVolume, 0, true);
  mixer.Render(out.data(), 2);
  EXPECT_EQ(out[0], 0.0f) << "-10000 must be true silence";

  mixer.SetVoiceVolume(voice, 50);  // out of range: ignored
  EXPECT_EQ(mixer.VoiceVolume(voice), kMinVolume);
}

TEST(Mixer, AdvanceRendersExactlyTheElapsedTimeAndLimitsTheSum) {
  TMixer mixer(44100);
  auto loud = Buffer(44100, 1, 16, {0xFF, 0x7F});
  for (int i = 0; i < 3; ++i) mixer.StartVoice(mixer.CreateVoice(loud), 0, 0, 0, true);
  mixer.CaptureOutput(true);
  for (int i = 0; i < 1000; ++i) mixer.Advance(1);  // 44.1 frames each
  const std::vector<float> out = mixer.TakeCapturedOutput();
  EXPECT_EQ(out.size(), 2u * 44100u) << "a thousand 1 ms steps must make one second";
  EXPECT_GT(out[0], 0.95f) << "three full-scale voices are bent just below full scale";
  EXPECT_LT(out[0], 1.0f);
}

TEST(Mixer, GameThreadCommandsWhileTheAudioThreadRenders) {
  TMixer mixer;
  auto samples = Buffer(22050, 1, 16, std::vector<uint8_t>(2000, 0x10));
  std::atomic<bool> running{true};
  std::thread audio([&] {
    std::vector<float> block(2 * 256);
    while (running) mixer.Render(block.data(), 256);
  });
  std::vector<TVoiceId> voices;
  for (int round = 0; round < 2000; ++round) {
    const TVoiceId voice = mixer.CreateVoice(samples);
    mixer.StartVoice(voice, 11025 + round, -(round % 10000), 0, round % 2 == 0);
    voices.push_back(mixer.DuplicateVoice(voice));
    if (round % 3 == 0) mixer.DestroyVoice(voice);
    if (voices.size() > 16) {
      mixer.DestroyVoice(voices.front());
      voices.erase(voices.begin());
    }
  }
  running = false;
  audio.join();
  // Every third original was destroyed, and all but the last sixteen copies.
  EXPECT_EQ(mixer.VoiceCount(), 2000 - 667 + 16);
}
