// The arranging rules: fixed drum grooves, bass figures and chord figures per style, the
// melody laid over them, all in 16-row bars of sixteenth notes.
#include "music/composer.h"

#include <map>
#include <sstream>
#include <stdexcept>

#include "music/instruments.h"

namespace {

constexpr int kRowsPerBar = 16;

struct TChord {
  int Root;   // pitch class 0..11
  int Third;  // semitones above the root
  int Fifth;
  int Seventh;  // 0 when none
};

int PitchClass(const std::string& name, size_t& used) {
  static const std::map<char, int> kLetters = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                               {'G', 7}, {'A', 9}, {'B', 11}};
  if (name.empty() || !kLetters.count(name[0])) return -1;
  int pc = kLetters.at(name[0]);
  used = 1;
  if (name.size() > 1 && name[1] == '#') pc += 1, used = 2;
  if (name.size() > 1 && name[1] == 'b') pc += 11, used = 2;
  return pc % 12;
}

TChord ParseChord(const std::string& name) {
  size_t used = 0;
  const int root = PitchClass(name, used);
  if (root < 0) throw std::runtime_error("unknown chord " + name);
  const std::string rest = name.substr(used);
  if (rest == "") return {root, 4, 7, 0};
  if (rest == "m") return {root, 3, 7, 0};
  if (rest == "7") return {root, 4, 7, 10};
  if (rest == "m7") return {root, 3, 7, 10};
  throw std::runtime_error("unknown chord " + name);
}

// The chord root placed in the octave starting at `low`.
int RootFrom(const TChord& chord, int low) {
  return low + (chord.Root - low % 12 + 12) % 12;
}

TCell Note(int pitch, int instrument, int volume = -1) {
  return {pitch, instrument, volume, 0, 0};
}
TCell Silence() {
  return {0, 0, 0, 0, 0};
}

void PutDrums(TPattern& p, int bar, TDrums style, bool fill) {
  auto at = [&](int row) -> TCell& { return p.Rows[bar * kRowsPerBar + row][0]; };
  const TCell kick = Note(60, kKickSlot), snare = Note(60, kSnareSlot);
  switch (style) {
    case TDrums::None:
      break;
    case TDrums::Soft:
      at(0) = kick, at(10) = Note(60, kKickSlot, 40);
      at(8) = Note(60, kSnareSlot, 26);
      for (int r : {4, 12}) at(r) = Note(60, kHatSlot, 22);
      for (int r : {2, 6, 14}) at(r) = Note(60, kHatSlot, 12);
      break;
    case TDrums::Drive:
      at(0) = kick, at(8) = kick, at(10) = Note(60, kKickSlot, 48);
      at(4) = snare, at(12) = snare;
      for (int r : {2, 6, 14}) at(r) = Note(60, kHatSlot, 30);
      for (int r : {1, 3, 5, 7, 9, 11, 13, 15}) at(r) = Note(60, kHatSlot, 14);
      break;
    case TDrums::Break:
      at(0) = kick, at(7) = Note(60, kKickSlot, 50), at(10) = kick;
      at(4) = snare, at(12) = snare, at(15) = Note(60, kSnareSlot, 18);
      for (int r : {2, 6, 14}) at(r) = Note(60, kHatSlot, 30);
      for (int r : {3, 9, 11}) at(r) = Note(60, kHatSlot, 14);
      break;
  }
  if (fill) {
    for (int r = 8; r < 16; ++r) at(r) = Note(60, kSnareSlot, 24 + 5 * (r - 8));
  }
}

void PutBass(TPattern& p, int bar, TBass style, const TChord& chord) {
  auto at = [&](int row) -> TCell& { return p.Rows[bar * kRowsPerBar + row][1]; };
  const int root = RootFrom(chord, 33);  // A1 .. G#2
  switch (style) {
    case TBass::None:
      break;
    case TBass::Hold:
      at(0) = Note(root, kBassSlot), at(8) = Note(root, kBassSlot, 40);
      at(12) = Note(root + 7, kBassSlot, 36);
      break;
    case TBass::Eighths:
      for (int r = 0; r < 16; r += 2) {
        const int pitch = (r == 6 || r == 14) ? root + 12 : (r == 10 ? root + 7 : root);
        at(r) = Note(pitch, kBassSlot, r % 4 == 0 ? 64 : 48);
      }
      break;
    case TBass::Syncopated:
      at(0) = Note(root, kBassSlot), at(3) = Note(root, kBassSlot, 44);
      at(6) = Note(root + 12, kBassSlot, 52), at(8) = Note(root, kBassSlot);
      at(11) = Note(root + 7, kBassSlot, 48), at(14) = Note(root + 10, kBassSlot, 44);
      break;
  }
}

void PutHarmony(TPattern& p, int bar, TChords style, const TChord& chord) {
  auto at = [&](int row) -> TCell& { return p.Rows[bar * kRowsPerBar + row][3]; };
  const int root = RootFrom(chord, 48);  // C3 .. B3
  // Up through the chord and an octave above, then back down.
  const int figure[8] = {0,
                         chord.Fifth,
                         12,
                         chord.Third + 12,
                         chord.Fifth + 12,
                         chord.Third + 12,
                         chord.Seventh ? chord.Seventh : 12,
                         chord.Fifth};
  switch (style) {
    case TChords::None:
      break;
    case TChords::Pluck8:
      for (int i = 0; i < 8; ++i) at(2 * i) = Note(root + figure[i], kPluckSlot, i == 0 ? 48 : 36);
      break;
    case TChords::Pluck16:
      for (int r = 0; r < 16; ++r) {
        const int tones[4] = {0, chord.Third, chord.Fifth, 12};
        at(r) = Note(root + tones[r % 4] + (r >= 8 ? 12 : 0), kPluckSlot, r % 4 == 0 ? 40 : 28);
      }
      break;
    case TChords::Pad: {
      // One pad note per bar, turned into the whole chord by the tracker arpeggio effect.
      const int param = (chord.Third << 4) | chord.Fifth;
      for (int r = 0; r < 16; ++r) {
        TCell cell = r == 0 ? Note(RootFrom(chord, 48), kPadSlot) : TCell{};
        cell.Effect = 0;
        cell.Param = param;
        at(r) = cell;
      }
      break;
    }
  }
}

std::vector<std::string> MelodyTokens(const std::string& melody) {
  std::vector<std::string> tokens;
  std::istringstream in(melody);
  for (std::string token; in >> token;) {
    if (token != "|") tokens.push_back(token);
  }
  return tokens;
}

TPattern BuildPattern(const TSection& section) {
  if (section.Chords.size() != 4) throw std::runtime_error(section.Name + ": needs four chords");
  TPattern p;
  for (int bar = 0; bar < 4; ++bar) {
    const TChord chord = ParseChord(section.Chords[bar]);
    const bool last = bar == 3;
    PutDrums(p, bar, section.Ending && last ? TDrums::None : section.Drums, section.Fill && last);
    PutBass(p, bar, section.Ending && last ? TBass::Hold : section.Bass, chord);
    PutHarmony(p, bar, section.Harmony, chord);
  }
  // A voice this section does not use is silenced, so nothing rings on from the last one.
  if (section.Melody.empty()) p.Rows[0][2] = Silence();
  if (section.Harmony == TChords::None) p.Rows[0][3] = Silence();
  if (section.Bass == TBass::None) p.Rows[0][1] = Silence();
  if (section.Ending) {
    // The closing chord rings on the first beat of the last bar, then every voice stops.
    p.Rows[48][0] = Note(60, kKickSlot);
    for (int ch = 0; ch < kChannels; ++ch) p.Rows[60][ch] = Silence();
  }
  if (!section.Melody.empty()) {
    const std::vector<std::string> tokens = MelodyTokens(section.Melody);
    if (tokens.size() != 32) {
      throw std::runtime_error(section.Name + ": melody needs 32 eighths, has " +
                               std::to_string(tokens.size()));
    }
    for (int i = 0; i < 32; ++i) {
      TCell& cell = p.Rows[2 * i][2];
      if (tokens[i] == "-") continue;
      if (tokens[i] == ".") {
        cell = Silence();
        continue;
      }
      const int pitch = ParseNoteName(tokens[i]);
      if (pitch < 0) throw std::runtime_error(section.Name + ": bad note " + tokens[i]);
      cell = Note(pitch, kLeadSlot);
    }
  }
  return p;
}

}  // namespace

int ParseNoteName(const std::string& name) {
  size_t used = 0;
  const int pc = PitchClass(name, used);
  if (pc < 0 || used >= name.size() || name.size() != used + 1) return -1;
  const char octave = name[used];
  if (octave < '0' || octave > '8') return -1;
  // Flats written on C (Cb) belong to the octave below; not used by the plans.
  return 12 * (octave - '0' + 1) + pc;
}

TSong ComposeSong(const TSongPlan& plan, double sampleRate) {
  TSong song;
  song.Title = plan.Title;
  song.Tempo = plan.Tempo;
  song.Speed = 6;
  for (TInstrument instrument :
       {TInstrument::Kick, TInstrument::Snare, TInstrument::Hat, TInstrument::Bass,
        TInstrument::Lead, TInstrument::Pad, TInstrument::Pluck}) {
    song.Samples.push_back(MakeInstrument(instrument, sampleRate));
  }
  std::map<std::string, int> patternOf;
  for (const TSection& section : plan.Sections) {
    patternOf[section.Name] = static_cast<int>(song.Patterns.size());
    song.Patterns.push_back(BuildPattern(section));
  }
  for (const std::string& name : plan.Order) {
    auto it = patternOf.find(name);
    if (it == patternOf.end()) throw std::runtime_error(plan.Title + ": no section " + name);
    song.Order.push_back(it->second);
  }
  // The tempo is set where the song starts, so a restart by the player library resets it.
  TCell& first = song.Patterns[song.Order.front()].Rows[0][0];
  first.Volume = -1;
  first.Effect = 0xF;
  first.Param = plan.Tempo;
  return song;
}
