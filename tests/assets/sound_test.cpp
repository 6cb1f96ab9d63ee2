// The effects are short, click-free and peak just below full scale.
#include <gtest/gtest.h>

#include <cmath>

#include "sound/effects.h"

namespace {

std::vector<int> Samples(const TSoundEntry& sound) {
  std::vector<int> samples;
  for (size_t i = 0; i + 1 < sound.Data.size(); i += 2) {
    samples.push_back(static_cast<int16_t>(sound.Data[i] | (sound.Data[i + 1] << 8)));
  }
  return samples;
}

TEST(Effects, ShortQuietAtTheEndsAndNormalised) {
  const std::vector<TSoundEntry> sounds = MakeAllSounds();
  ASSERT_EQ(sounds.size(), 11u);
  for (const TSoundEntry& sound : sounds) {
    const std::vector<int> s = Samples(sound);
    ASSERT_FALSE(s.empty()) << sound.Name;
    const double seconds = static_cast<double>(s.size()) / sound.SampleRate;
    EXPECT_LE(seconds, 2.5) << sound.Name << " is too long for an effect";
    int peak = 0;
    for (int v : s) peak = std::max(peak, std::abs(v));
    EXPECT_NEAR(peak / 32767.0, kEffectPeak, 0.01) << sound.Name;
    // Starting or stopping away from silence would click.
    EXPECT_LE(std::abs(s.front()), 600) << sound.Name << " starts with a click";
    // A looping sound never ends by itself; its seam is checked below.
    if (!sound.Looped) {
      EXPECT_LE(std::abs(s.back()), 600) << sound.Name << " ends with a click";
    }
  }
}

TEST(Effects, AlarmLoopsWithoutASeam) {
  for (const TSoundEntry& sound : MakeAllSounds()) {
    if (sound.Name != "alert") continue;
    ASSERT_TRUE(sound.Looped);
    const std::vector<int> s = Samples(sound);
    // The jump from the last sample back to the first is no larger than a step inside it.
    int largestStep = 0;
    for (size_t i = 1; i < s.size(); ++i)
      largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
    EXPECT_LE(std::abs(s.front() - s.back()), largestStep);
    return;
  }
  FAIL() << "no alert sound";
}

TEST(Effects, UnknownNameGivesNothing) {
  EXPECT_TRUE(SynthesizeEffect("nope").empty());
}

}  // namespace
