// Our compositions. Each section is four bars; melodies are written in eighth notes.
#include "music/songs.h"

namespace {

// "Quiet Lab": A minor, unhurried plucked arpeggios; loops back into its own opening.
TSongPlan MenuSong() {
  TSongPlan s{"Quiet Lab", 96, {}, {}};
  const std::vector<std::string> verse = {"Am", "F", "C", "G"};
  const std::vector<std::string> bridge = {"Dm", "Am", "F", "E"};
  s.Sections = {
      {"intro", verse, "", TDrums::None, TBass::Hold, TChords::Pluck8},
      {"a1", verse,
       "E5 - - - D5 - C5 - | A4 - - - - - C5 - | G4 - - - E5 - D5 - | D5 - - - - - . .",
       TDrums::Soft, TBass::Hold, TChords::Pluck8},
      {"a2", verse,
       "E5 - - - G5 - E5 - | F5 - - - E5 - C5 - | E5 - - - D5 - C5 - | B4 - - - - - . .",
       TDrums::Soft, TBass::Hold, TChords::Pluck8},
      {"b1", bridge,
       "F5 - - - E5 - D5 - | C5 - - - E5 - - - | A5 - - - G5 - F5 - | E5 - - - D5 - B4 -",
       TDrums::Soft, TBass::Hold, TChords::Pluck8},
      {"b2", bridge,
       "D5 - F5 - A5 - - - | G5 - E5 - C5 - - - | C5 - D5 - F5 - E5 - | E5 - - - - - . .",
       TDrums::Soft, TBass::Hold, TChords::Pluck8, true},
      {"pad", verse, "", TDrums::None, TBass::Hold, TChords::Pad},
  };
  // Ends on the bridge's run-up, which leads back into the opening when the menu loops.
  s.Order = {"intro", "a1", "a2", "b1", "b2", "pad", "a1", "a2", "b2"};
  return s;
}

// "Catalyst": E minor at 140, a riff-driven lead over eighth-note bass.
TSongPlan PlaySongOne() {
  TSongPlan s{"Catalyst", 140, {}, {}};
  const std::vector<std::string> verse = {"Em", "C", "G", "D"};
  s.Sections = {
      {"intro", verse, "", TDrums::Drive, TBass::Eighths, TChords::None, true},
      {"a1", verse,
       "E5 . E5 G5 - E5 B4 - | C5 . C5 E5 - C5 G4 - | D5 . D5 G5 - D5 B4 - | A4 - F#5 - D5 - A4 -",
       TDrums::Drive, TBass::Eighths, TChords::Pluck16},
      {"a2", verse,
       "E5 . E5 G5 - A5 B5 - | G5 - E5 - C5 - E5 - | D5 - G5 - B5 - A5 - | F#5 - - - D5 - - -",
       TDrums::Drive, TBass::Eighths, TChords::Pluck16, true},
      {"b1",
       {"Am", "Em", "C", "D"},
       "A5 - - - G5 - E5 - | G5 - - - F#5 - E5 - | C5 - E5 - G5 - E5 - | F#5 - - - A5 - - -",
       TDrums::Drive,
       TBass::Eighths,
       TChords::Pad},
      {"b2",
       {"Am", "Em", "C", "B"},
       "A5 - B5 - A5 - G5 - | E5 - - - B4 - E5 - | G5 - - - E5 - C5 - | D#5 - - - F#5 - B4 -",
       TDrums::Drive,
       TBass::Eighths,
       TChords::Pad,
       true},
      {"break", verse, "", TDrums::None, TBass::Hold, TChords::Pluck16},
      {"end", verse, "E5 - - - - - - - | E5 - - - - - - - | D5 - - - - - - - | E5 - - - - - - -",
       TDrums::Drive, TBass::Eighths, TChords::Pluck16, false, true},
  };
  s.Order = {"intro", "a1", "a2", "b1", "b2", "break", "a1", "a2", "b1", "b2", "end"};
  return s;
}

// "Chain Reaction": D minor at 150, a soaring lead and arpeggiated pads.
TSongPlan PlaySongTwo() {
  TSongPlan s{"Chain Reaction", 150, {}, {}};
  const std::vector<std::string> verse = {"Dm", "Bb", "F", "C"};
  const std::vector<std::string> bridge = {"Gm", "Dm", "Bb", "A"};
  s.Sections = {
      {"intro", verse, "", TDrums::Drive, TBass::Eighths, TChords::Pluck8, true},
      {"a1", verse,
       "D5 - F5 - A5 - F5 - | A#5 - - - A5 - F5 - | A5 - G5 - F5 - A5 - | G5 - - - E5 - C5 -",
       TDrums::Drive, TBass::Eighths, TChords::Pluck8},
      {"a2", verse,
       "D5 . D5 F5 - E5 D5 - | F5 . F5 A#5 - A5 F5 - | A5 - - - C5 - F5 - | E5 - - - G5 - - -",
       TDrums::Drive, TBass::Eighths, TChords::Pluck8, true},
      {"b1", bridge,
       "G5 - A#5 - A5 - G5 - | F5 - - - D5 - - - | D5 - F5 - A#5 - A5 - | C#5 - E5 - A5 - - -",
       TDrums::Drive, TBass::Syncopated, TChords::Pad},
      {"b2", bridge,
       "G5 - - - F5 - D5 - | A5 - - - F5 - D5 - | F5 - - - D5 - A#4 - | A4 - C#5 - E5 - . .",
       TDrums::Drive, TBass::Syncopated, TChords::Pad, true},
      {"break", verse, "", TDrums::None, TBass::Hold, TChords::Pad},
      {"end", verse, "D5 - - - - - - - | D5 - - - - - - - | C5 - - - - - - - | D5 - - - - - - -",
       TDrums::Drive, TBass::Eighths, TChords::Pluck8, false, true},
  };
  s.Order = {"intro", "a1", "a2", "b1", "b2", "break", "a1", "a2", "b1", "b2", "end"};
  return s;
}

// "Valence": G minor at 132, a broken beat with syncopated bass.
TSongPlan PlaySongThree() {
  TSongPlan s{"Valence", 132, {}, {}};
  const std::vector<std::string> verse = {"Gm", "Eb", "Bb", "F"};
  const std::vector<std::string> bridge = {"Cm", "Gm", "Eb", "D"};
  s.Sections = {
      {"intro", verse, "", TDrums::Break, TBass::Syncopated, TChords::None, true},
      {"a1", verse,
       "G5 - - D5 - - A#4 - | G5 - - D#5 - - A#4 - | F5 - - D5 - - A#4 - | A4 - C5 - F5 - - -",
       TDrums::Break, TBass::Syncopated, TChords::Pluck16},
      {"a2", verse,
       "D5 - G5 - A#5 - A5 - | G5 - - - D#5 - - - | D5 - F5 - A5 - A#5 - | A5 - - - . . . .",
       TDrums::Break, TBass::Syncopated, TChords::Pluck16, true},
      {"b1", bridge,
       "D#5 - - - G5 - - - | D5 - - - A#4 - - - | D#5 - G5 - A#5 - G5 - | F#5 - - - A5 - - -",
       TDrums::Break, TBass::Eighths, TChords::Pad},
      {"b2", bridge,
       "C5 - D#5 - G5 - D#5 - | D5 - G5 - A#5 - - - | A#5 - A5 - G5 - D#5 - | D5 - - - F#5 - A5 -",
       TDrums::Break, TBass::Eighths, TChords::Pad, true},
      {"break", verse, "", TDrums::None, TBass::Syncopated, TChords::Pluck8},
      {"end", verse, "G5 - - - - - - - | G5 - - - - - - - | F5 - - - - - - - | G5 - - - - - - -",
       TDrums::Break, TBass::Syncopated, TChords::Pluck16, false, true},
  };
  s.Order = {"intro", "a1", "a2", "b1", "b2", "break", "a1", "a2", "b1", "b2", "end"};
  return s;
}

}  // namespace

std::vector<TSongPlan> SongPlans() {
  return {MenuSong(), PlaySongOne(), PlaySongTwo(), PlaySongThree()};
}

std::vector<TModuleFile> MakeAllModules() {
  const std::vector<TSongPlan> plans = SongPlans();
  const char* paths[] = {"mod/menu.mod", "mod/hudba1.xm", "mod/hudba2.mod", "mod/hudba3.mod"};
  std::vector<TModuleFile> files;
  for (size_t i = 0; i < plans.size(); ++i) {
    const bool xm = std::string(paths[i]).ends_with(".xm");
    const TSong song = ComposeSong(plans[i], xm ? kXmSampleRate : kModSampleRate);
    files.push_back({paths[i], xm ? EncodeXm(song) : EncodeMod(song), SongSeconds(song)});
  }
  return files;
}
