// The synthesis kit: oscillator pitch, filter response and the finishing steps.
#include <gtest/gtest.h>

#include "sound/synth.h"

namespace {

TEST(Synth, OscillatorRunsAtItsFrequency) {
  TOscillator osc;
  int crossings = 0;
  double previous = 0;
  for (int i = 0; i < 22050; ++i) {
    const double v = SineWave(osc.Next(441, 22050));
    if (previous < 0 && v >= 0) ++crossings;
    previous = v;
  }
  EXPECT_NEAR(crossings, 441, 1);
}

TEST(Synth, LowPassKeepsBassAndDropsTreble) {
  auto level = [](double frequency) {
    TFilter filter;
    TOscillator osc;
    double peak = 0;
    for (int i = 0; i < 22050; ++i) {
      filter.Run(SineWave(osc.Next(frequency, 22050)), 500, 0.7, 22050);
      if (i > 11025) peak = std::max(peak, std::fabs(filter.Low));
    }
    return peak;
  };
  EXPECT_NEAR(level(50), 1.0, 0.1);
  EXPECT_LT(level(5000), 0.05);
}

TEST(Synth, FinishingNormalisesFadesAndClips) {
  TSignal s(100, 0.5f);
  s[50] = -2.0f;
  Normalize(s, 0.8f);
  EXPECT_FLOAT_EQ(s[50], -0.8f);
  EXPECT_FLOAT_EQ(s[10], 0.2f);
  FadeEnds(s, 1000, 0.01, 0.01);
  EXPECT_FLOAT_EQ(s[0], 0.0f);
  EXPECT_FLOAT_EQ(s[99], 0.0f);
  EXPECT_FLOAT_EQ(s[20], 0.2f) << "the middle is untouched";
  const std::vector<uint8_t> pcm = ToPcm16({1.5f, -1.5f, 0.0f});
  ASSERT_EQ(pcm.size(), 6u);
  EXPECT_EQ(static_cast<int16_t>(pcm[0] | (pcm[1] << 8)), 32767);
  EXPECT_EQ(static_cast<int16_t>(pcm[2] | (pcm[3] << 8)), -32768);
}

TEST(Synth, EnvelopesStartAndEndWhereTold) {
  EXPECT_DOUBLE_EQ(Gate(-1, 0.1, 0.2, 0.3), 0);
  EXPECT_DOUBLE_EQ(Gate(0.05, 0.1, 0.2, 0.3), 0.5);
  EXPECT_DOUBLE_EQ(Gate(0.2, 0.1, 0.2, 0.3), 1);
  EXPECT_DOUBLE_EQ(Gate(1.0, 0.1, 0.2, 0.3), 0);
  EXPECT_NEAR(Pluck(0.1 + 0.5, 0.1, 0.5), std::exp(-1.0), 1e-9);
  EXPECT_NEAR(NoteFrequency(69), 440.0, 1e-9);
  EXPECT_NEAR(NoteFrequency(81), 880.0, 1e-9);
}

}  // namespace
