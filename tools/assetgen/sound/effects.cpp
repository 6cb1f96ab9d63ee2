// Sound design of the effects: soft blips for the menus, bells for success, a filtered-noise
// blast for molecules, and a two-tone alarm that loops until the game stops it.
#include "sound/effects.h"

#include <functional>
#include <map>
#include <string>

#include "shell/game_assets.h"

namespace {

constexpr int kRate = kEffectRate;

size_t At(double seconds) {
  return static_cast<size_t>(seconds * kRate);
}

// Adds a tone whose frequency follows `frequency(t)`, shaped by `envelope(t)`, t in seconds
// from `start`.
void AddTone(TSignal& out, double start, double length,
             const std::function<double(double)>& frequency,
             const std::function<double(double)>& envelope, double gain,
             double (*wave)(double) = SineWave) {
  TOscillator osc;
  for (size_t i = 0; i < At(length); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const size_t index = At(start) + i;
    if (index >= out.size()) break;
    out[index] += static_cast<float>(gain * envelope(t) * wave(osc.Next(frequency(t), kRate)));
  }
}

// A bell: a sine carrier with a decaying inharmonic modulator.
void AddBell(TSignal& out, double start, double note, double length, double gain) {
  TOscillator carrier, modulator;
  const double f = NoteFrequency(note);
  for (size_t i = 0; i < At(length); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const size_t index = At(start) + i;
    if (index >= out.size()) break;
    const double index_mod = 2.2 * std::exp(-t / 0.12);
    const double m = SineWave(modulator.Next(f * 3.5, kRate));
    carrier.Phase += index_mod * m / kTwoPi * 0.05;
    const double c = SineWave(carrier.Next(f, kRate));
    out[index] += static_cast<float>(gain * Pluck(t, 0.003, length / 4) * c);
  }
}

TSignal MenuMove() {
  TSignal s = Silence(0.07, kRate);
  AddTone(
      s, 0, 0.07, [](double t) { return 900 + 1400 * t; },
      [](double t) { return Pluck(t, 0.003, 0.018); }, 1.0);
  AddTone(
      s, 0, 0.07, [](double t) { return 1800 + 2800 * t; },
      [](double t) { return Pluck(t, 0.002, 0.01); }, 0.25);
  return s;
}

TSignal MenuConfirm() {
  TSignal s = Silence(0.26, kRate);
  AddBell(s, 0.0, 79, 0.14, 0.7);   // G5
  AddBell(s, 0.07, 86, 0.19, 0.8);  // D6
  return s;
}

TSignal MenuBack() {
  TSignal s = Silence(0.2, kRate);
  AddTone(
      s, 0, 0.09, [](double) { return NoteFrequency(76); },
      [](double t) { return Pluck(t, 0.004, 0.03); }, 0.8, TriangleWave);
  AddTone(
      s, 0.07, 0.13, [](double) { return NoteFrequency(69); },
      [](double t) { return Pluck(t, 0.004, 0.04); }, 0.8, TriangleWave);
  return s;
}

// A rising arpeggio over a swelling whoosh: something is about to begin.
TSignal Interlude() {
  TSignal s = Silence(1.25, kRate);
  const double notes[] = {60, 64, 67, 72, 76, 79};
  for (int i = 0; i < 6; ++i) AddBell(s, 0.08 * i, notes[i], 0.8, 0.35);
  AddTone(
      s, 0.4, 0.85, [](double) { return NoteFrequency(84); },
      [](double t) { return Gate(t, 0.05, 0.2, 0.6) * 0.6; }, 0.2, TriangleWave);
  TNoise noise(7);
  TFilter filter;
  for (size_t i = 0; i < At(0.9); ++i) {
    const double t = static_cast<double>(i) / kRate;
    filter.Run(noise.Next(), 300 + 4000 * t, 2.0, kRate);
    s[i] += static_cast<float>(0.25 * Gate(t, 0.6, 0.0, 0.3) * filter.Band);
  }
  return s;
}

// Two glides crossing each other: the atom in hand and the one on the board trade places.
TSignal Exchange() {
  TSignal s = Silence(0.3, kRate);
  AddTone(
      s, 0, 0.28, [](double t) { return 400 * std::pow(3.0, t / 0.28); },
      [](double t) { return Gate(t, 0.01, 0.17, 0.1); }, 0.5, TriangleWave);
  AddTone(
      s, 0, 0.28, [](double t) { return 1200 * std::pow(3.0, -t / 0.28); },
      [](double t) { return Gate(t, 0.01, 0.17, 0.1); }, 0.5, TriangleWave);
  return s;
}

// A molecule bursts: a low thump under a falling band of filtered noise.
TSignal Blast() {
  TSignal s = Silence(0.75, kRate);
  AddTone(
      s, 0, 0.5, [](double t) { return 110 * std::exp(-t / 0.12) + 38; },
      [](double t) { return Pluck(t, 0.002, 0.13); }, 0.9);
  TNoise noise(11);
  TFilter filter;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    filter.Run(noise.Next(), 200 + 5000 * std::exp(-t / 0.08), 1.2, kRate);
    s[i] += static_cast<float>(0.9 * Pluck(t, 0.001, 0.16) * filter.Low);
  }
  return s;
}

// Triumph: a major arpeggio of bells crowned by a held chord.
TSignal Success() {
  TSignal s = Silence(1.6, kRate);
  const double notes[] = {67, 72, 76, 79};
  for (int i = 0; i < 4; ++i) AddBell(s, 0.11 * i, notes[i], 0.5, 0.5);
  for (double note : {72.0, 76.0, 79.0, 84.0}) AddBell(s, 0.48, note, 1.1, 0.3);
  return s;
}

// Failure: a falling pair of slurred tones with a slow wobble.
TSignal Failure() {
  TSignal s = Silence(1.3, kRate);
  const double starts[] = {0.0, 0.35, 0.7};
  const double notes[] = {62, 61, 60};
  for (int i = 0; i < 3; ++i) {
    const double length = i == 2 ? 0.6 : 0.33;
    const double note = notes[i];
    AddTone(
        s, starts[i], length,
        [note, i](double t) {
          const double fall = i == 2 ? 1.5 * t : 0;
          return NoteFrequency(note - fall) * (1 + 0.012 * std::sin(kTwoPi * 6 * t));
        },
        [length](double t) { return Gate(t, 0.02, length - 0.12, 0.1); }, 0.4, SawWave);
  }
  // Soften the saw's buzz.
  TFilter filter;
  for (float& v : s) {
    filter.Run(v, 1400, 0.8, kRate);
    v = static_cast<float>(filter.Low);
  }
  return s;
}

// The alarm: two alternating tones, each a whole number of cycles long and swelling from and
// back to silence, so the recording loops without a seam until the game stops it.
TSignal Alarm() {
  const double half = 0.5;
  TSignal s = Silence(2 * half, kRate);
  TOscillator osc;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = t < half ? 880 : 704;  // 440 and 352 cycles per half
    const double env = std::pow(std::sin(3.14159265 * std::fmod(t, half) / half), 0.35);
    const double phase = osc.Next(f, kRate);
    s[i] = static_cast<float>(env * (0.7 * TriangleWave(phase) + 0.3 * SineWave(2 * phase)));
  }
  return s;
}

// An atom settles in the side column: a soft wooden knock.
TSignal Landing() {
  TSignal s = Silence(0.12, kRate);
  AddTone(
      s, 0, 0.12, [](double t) { return 320 * std::exp(-t / 0.05) + 140; },
      [](double t) { return Pluck(t, 0.001, 0.025); }, 0.8);
  TNoise noise(3);
  TFilter filter;
  for (size_t i = 0; i < At(0.03); ++i) {
    const double t = static_cast<double>(i) / kRate;
    filter.Run(noise.Next(), 1800, 1.0, kRate);
    s[i] += static_cast<float>(0.3 * Pluck(t, 0.0005, 0.006) * filter.Band);
  }
  return s;
}

// A new record: a bright fanfare run up two octaves with sparkle on top.
TSignal Record() {
  TSignal s = Silence(2.0, kRate);
  const double run[] = {60, 64, 67, 72, 76, 79, 84};
  for (int i = 0; i < 7; ++i) AddBell(s, 0.07 * i, run[i], 0.4, 0.35);
  for (double note : {72.0, 76.0, 79.0}) {
    AddTone(
        s, 0.55, 1.4,
        [note](double t) { return NoteFrequency(note) * (1 + 0.004 * std::sin(kTwoPi * 5 * t)); },
        [](double t) { return Gate(t, 0.05, 0.6, 0.75); }, 0.18, TriangleWave);
  }
  for (int i = 0; i < 8; ++i) AddBell(s, 0.6 + 0.11 * i, 91 + (i % 3) * 3, 0.25, 0.12);
  return s;
}

const std::map<std::string, TSignal (*)()>& Recipes() {
  static const std::map<std::string, TSignal (*)()> recipes = {
      {"menu_ok", MenuConfirm}, {"menu_pohyb", MenuMove}, {"menu_zpet", MenuBack},
      {"mezihra", Interlude},   {"vymena", Exchange},     {"bum", Blast},
      {"uspech", Success},      {"neuspech", Failure},    {"alert", Alarm},
      {"padatomu", Landing},    {"rekord", Record}};
  return recipes;
}

}  // namespace

TSignal SynthesizeEffect(const std::string& name) {
  auto it = Recipes().find(name);
  return it == Recipes().end() ? TSignal{} : it->second();
}

std::vector<TSoundEntry> MakeAllSounds() {
  std::vector<TSoundEntry> sounds;
  for (const std::string_view gameName : kGameSoundNames) {
    const std::string name(gameName);
    TSignal signal = SynthesizeEffect(name);
    const bool looped = name == "alert";
    // A looping sound must not fade: its ends already meet at silence.
    if (!looped) FadeEnds(signal, kRate, 0.002, 0.02);
    Normalize(signal, kEffectPeak);
    TSoundEntry entry;
    entry.Name = name;
    entry.SampleRate = kRate;
    entry.Channels = 1;
    entry.BitsPerSample = 16;
    entry.Data = ToPcm16(signal);
    entry.Looped = looped;
    sounds.push_back(std::move(entry));
  }
  return sounds;
}
