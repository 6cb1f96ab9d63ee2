// A four-channel tracker song in memory: samples, 64-row patterns and an order list.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kChannels = 4;
constexpr int kRows = 64;

struct TCell {
  int Pitch = 0;       // MIDI note number; 0 = no note
  int Instrument = 0;  // 1-based sample number; 0 = none
  int Volume = -1;     // 0..64; -1 = unchanged
  int Effect = 0;      // ProTracker effect number (0..15); with Param 0, none
  int Param = 0;
};

struct TPattern {
  std::array<std::array<TCell, kChannels>, kRows> Rows{};
};

struct TSample {
  std::string Name;
  std::vector<float> Data;  // -1..1 at the rate the writer asked the instrument for
  int LoopStart = 0;        // in samples; LoopLength 0 means no loop
  int LoopLength = 0;
  int Volume = 64;
  int BaseMidi = 60;  // the note that sounds when the sample plays at its natural rate
};

struct TSong {
  std::string Title;
  int Speed = 6;    // ticks per row
  int Tempo = 125;  // beats per minute of four rows
  std::vector<TSample> Samples;
  std::vector<TPattern> Patterns;
  std::vector<int> Order;
};

// The natural sample rates: ProTracker's C-3 on a PAL machine, and twice the XM base rate.
constexpr double kModSampleRate = 3546894.6 / 214;
constexpr double kXmSampleRate = 8363.0 * 2;

// Module file bytes. Throw std::runtime_error when the song does not fit the format
// (a note outside the three ProTracker octaves, too many patterns or samples).
std::vector<uint8_t> EncodeMod(const TSong& song);
std::vector<uint8_t> EncodeXm(const TSong& song);

// Seconds the song lasts when played once through its order list (no pattern jumps are used).
double SongSeconds(const TSong& song);
