// The module writers' byte layout and the arranging rules, checked on small songs.
#include <gtest/gtest.h>

#include <cmath>

#include "music/composer.h"
#include "music/instruments.h"
#include "music/tracker.h"

namespace {

int WordBE(const std::vector<uint8_t>& b, size_t at) {
  return (b[at] << 8) | b[at + 1];
}
uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

TSong TinySong() {
  TSong song;
  song.Title = "tiny";
  TSample looped;
  looped.Name = "tone";
  looped.Data = {0, 0.5f, 1, 0.5f, 0, -0.5f};
  looped.LoopStart = 2;
  looped.LoopLength = 4;
  looped.BaseMidi = 60;
  TSample oneShot = looped;
  oneShot.Name = "hit";
  oneShot.LoopLength = 0;
  song.Samples = {looped, oneShot};
  TPattern p;
  p.Rows[0][0] = {60, 1, 32, 0, 0};     // C-3 with a volume
  p.Rows[1][1] = {48, 2, 20, 0xF, 90};  // the effect wins over the volume
  song.Patterns = {p};
  song.Order = {0, 0};
  return song;
}

TEST(ModWriter, LaysOutSamplesPatternsAndData) {
  const std::vector<uint8_t> b = EncodeMod(TinySong());
  ASSERT_EQ(b.size(), 1084u + 1024u + 6u + 6u);
  EXPECT_EQ(WordBE(b, 20 + 22), 3) << "length in words";
  EXPECT_EQ(WordBE(b, 20 + 26), 1) << "loop start in words";
  EXPECT_EQ(WordBE(b, 20 + 28), 2) << "loop length in words";
  EXPECT_EQ(WordBE(b, 50 + 28), 1) << "no loop is stored as length 1";
  EXPECT_EQ(b[950], 2) << "order length";
  EXPECT_EQ(b[1084 + 0], 0x00);
  EXPECT_EQ(WordBE(b, 1084), 214) << "the sample's own note plays at C-3";
  EXPECT_EQ(b[1086], 0x1C) << "instrument 1, effect C";
  EXPECT_EQ(b[1087], 32);
  const size_t second = 1084 + 16 + 4;  // row 1, channel 1
  EXPECT_EQ(WordBE(b, second), 428) << "an octave down is C-2";
  EXPECT_EQ(b[second + 2], 0x2F);
  EXPECT_EQ(b[second + 3], 90);
  EXPECT_EQ(static_cast<int8_t>(b[1084 + 1024 + 2]), 127) << "full scale sample";
}

TEST(XmWriter, PacksCellsAndDeltaEncodesSamples) {
  const TSong song = TinySong();
  const std::vector<uint8_t> b = EncodeXm(song);
  EXPECT_EQ(b[60] | (b[61] << 8) | (b[62] << 8 * 2), 276u);
  EXPECT_EQ(b[68] | (b[69] << 8), 4) << "channels";
  EXPECT_EQ(b[70] | (b[71] << 8), 1) << "patterns";
  EXPECT_EQ(b[72] | (b[73] << 8), 2) << "instruments";
  EXPECT_EQ(b[74] | (b[75] << 8), 1) << "linear frequencies";
  const size_t pattern = 60 + 276;
  EXPECT_EQ(Le32(b, pattern), 9u);
  const size_t cells = pattern + 9;
  EXPECT_EQ(b[cells], 0x80 | 1 | 2 | 4) << "note, instrument, volume";
  EXPECT_EQ(b[cells + 1], 49) << "the sample's own note is C-4";
  EXPECT_EQ(b[cells + 3], 0x10 + 32);
  EXPECT_EQ(b[cells + 4], 0x80) << "an empty cell is one byte";
  const size_t packedSize = b[pattern + 7] | (b[pattern + 8] << 8);
  const size_t instrument = cells + packedSize;
  EXPECT_EQ(Le32(b, instrument), 263u);
  const size_t sampleHeader = instrument + 263;
  EXPECT_EQ(Le32(b, sampleHeader), 12u) << "six 16-bit samples";
  EXPECT_EQ(Le32(b, sampleHeader + 4), 4u) << "loop start in bytes";
  EXPECT_EQ(b[sampleHeader + 14], 0x11) << "forward loop, 16-bit";
  int16_t value = 0;
  const size_t data = sampleHeader + 40;
  for (size_t i = 0; i < song.Samples[0].Data.size(); ++i) {
    value = static_cast<int16_t>(
        value + static_cast<int16_t>(b[data + 2 * i] | (b[data + 2 * i + 1] << 8)));
    EXPECT_NEAR(value / 32767.0, song.Samples[0].Data[i], 1e-4) << "sample " << i;
  }
}

TEST(Instruments, SustainedLoopsCloseSeamlessly) {
  for (double rate : {kModSampleRate, kXmSampleRate}) {
    for (TInstrument kind : {TInstrument::Lead, TInstrument::Pad}) {
      const TSample s = MakeInstrument(kind, rate);
      ASSERT_GT(s.LoopLength, 0) << s.Name;
      EXPECT_EQ(s.LoopStart % 2, 0) << s.Name;
      EXPECT_EQ(s.LoopLength % 2, 0) << s.Name;
      ASSERT_EQ(s.LoopStart + s.LoopLength, static_cast<int>(s.Data.size())) << s.Name;
      // Playing on past the end continues from the loop start: the step there must look like
      // any other step of the waveform.
      float largestStep = 0;
      for (size_t i = s.LoopStart + 1; i < s.Data.size(); ++i) {
        largestStep = std::max(largestStep, std::fabs(s.Data[i] - s.Data[i - 1]));
      }
      EXPECT_LE(std::fabs(s.Data[s.LoopStart] - s.Data.back()), largestStep * 1.05f) << s.Name;
    }
  }
}

TEST(Instruments, OneShotsDecayToSilence) {
  for (TInstrument kind : {TInstrument::Kick, TInstrument::Snare, TInstrument::Hat,
                           TInstrument::Bass, TInstrument::Pluck}) {
    const TSample s = MakeInstrument(kind, kModSampleRate);
    EXPECT_EQ(s.LoopLength, 0) << s.Name;
    EXPECT_LT(std::fabs(s.Data.back()), 0.01f) << s.Name << " ends with a click";
    float peak = 0;
    for (float v : s.Data) peak = std::max(peak, std::fabs(v));
    EXPECT_NEAR(peak, 0.95f, 0.01f) << s.Name;
  }
}

TSongPlan OneSection(TSection section) {
  return {"t", 120, {std::move(section)}, {"a"}};
}

TEST(Composer, SectionsArrangeEveryVoice) {
  TSection section{"a",
                   {"Am", "C", "F", "G"},
                   "A4 - . C5 - - - - | - - - - - - - - | - - - - - - - - | - - - - - - - -",
                   TDrums::Drive,
                   TBass::Eighths,
                   TChords::Pad};
  const TSong song = ComposeSong(OneSection(section), kModSampleRate);
  ASSERT_EQ(song.Patterns.size(), 1u);
  const TPattern& p = song.Patterns[0];
  EXPECT_EQ(p.Rows[0][0].Effect, 0xF) << "the tempo is set where the song starts";
  EXPECT_EQ(p.Rows[0][0].Param, 120);
  EXPECT_EQ(p.Rows[4][0].Instrument, kSnareSlot) << "backbeat";
  EXPECT_EQ(p.Rows[0][1].Pitch % 12, 9) << "bass plays the root A";
  EXPECT_EQ(p.Rows[0][2].Pitch, 69) << "melody eighths fall on even rows";
  EXPECT_EQ(p.Rows[4][2].Volume, 0) << "a dot silences the lead";
  EXPECT_EQ(p.Rows[6][2].Pitch, 72);
  EXPECT_EQ(p.Rows[0][3].Instrument, kPadSlot);
  EXPECT_EQ(p.Rows[5][3].Param, 0x37) << "minor chord arpeggio";
  EXPECT_EQ(p.Rows[21][3].Param, 0x47) << "major chord arpeggio";
}

TEST(Composer, EndingsAndUnusedVoicesFallSilent) {
  TSection section{
      "a", {"Em", "C", "G", "D"}, "", TDrums::Drive, TBass::Eighths, TChords::None, false, true};
  const TSong song = ComposeSong(OneSection(section), kXmSampleRate);
  const TPattern& p = song.Patterns[0];
  EXPECT_EQ(p.Rows[0][2].Volume, 0) << "no melody: the lead from before stops";
  EXPECT_EQ(p.Rows[0][3].Volume, 0) << "no harmony: the chords stop";
  for (int ch = 0; ch < kChannels; ++ch) EXPECT_EQ(p.Rows[60][ch].Volume, 0) << "channel " << ch;
  for (int row = 49; row < 64; ++row)
    EXPECT_EQ(p.Rows[row][0].Instrument, 0) << "no drums at " << row;
  EXPECT_DOUBLE_EQ(SongSeconds(song), 64 * 6 * 2.5 / 120);
}

}  // namespace
