// Turns a song plan (chords per bar, an eighth-note melody and playing styles per section)
// into tracker patterns for four channels: drums, bass, lead, and chords.
#pragma once
#include <string>
#include <vector>

#include "music/tracker.h"

enum class TDrums { None, Soft, Drive, Break };
enum class TBass { None, Hold, Eighths, Syncopated };
enum class TChords { None, Pluck8, Pluck16, Pad };

struct TSection {
  std::string Name;
  std::vector<std::string> Chords;  // four bars: "Am", "F", "C#m", "Bb", "E7" ...
  std::string Melody;               // 32 eighth notes: "E5", "-" hold, "." silence; "|" ignored
  TDrums Drums = TDrums::None;
  TBass Bass = TBass::None;
  TChords Harmony = TChords::None;
  bool Fill = false;    // a snare run through the second half of the last bar
  bool Ending = false;  // the last bar holds its chord and then falls silent
};

struct TSongPlan {
  std::string Title;
  int Tempo = 125;
  std::vector<TSection> Sections;
  std::vector<std::string> Order;  // section names
};

// Instrument numbers of every composed song.
enum TSlot { kKickSlot = 1, kSnareSlot, kHatSlot, kBassSlot, kLeadSlot, kPadSlot, kPluckSlot };

// Builds the song with samples rendered for `sampleRate`. Throws std::runtime_error for a
// malformed plan (unknown chord or note, a melody that is not 32 eighths, an unknown section).
TSong ComposeSong(const TSongPlan& plan, double sampleRate);

// MIDI number of a note name such as "C#5" or "Bb3"; -1 when it is not one.
int ParseNoteName(const std::string& name);
