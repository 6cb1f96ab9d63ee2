// Instrument samples: one-shot drums and plucks with their decay built in, and sustained
// tones whose partials are tuned to whole cycles of the loop so it repeats without a seam.
#include "music/instruments.h"

#include <algorithm>

#include "sound/synth.h"

namespace {

struct TRender {
  double Rate;
  int Count(double seconds) const { return static_cast<int>(std::lround(seconds * Rate)); }
};

TSample OneShot(const char* name, int baseMidi, std::vector<float> data, int volume = 64) {
  TSample s;
  s.Name = name;
  s.BaseMidi = baseMidi;
  s.Volume = volume;
  Normalize(data, 0.95f);
  FadeEnds(data, 1000, 0.0, 0.004);
  s.Data = std::move(data);
  return s;
}

std::vector<float> Kick(const TRender& r) {
  std::vector<float> out(r.Count(0.32));
  TOscillator osc;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / r.Rate;
    const double f = 48 + 130 * std::exp(-t / 0.035);
    out[i] =
        static_cast<float>(Pluck(t, 0.001, 0.09) * SineWave(osc.Next(f, static_cast<int>(r.Rate))));
  }
  return out;
}

std::vector<float> Snare(const TRender& r) {
  std::vector<float> out(r.Count(0.24));
  TOscillator body;
  TNoise noise(21);
  TFilter filter;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / r.Rate;
    filter.Run(noise.Next(), 3200, 0.9, static_cast<int>(r.Rate));
    const double tone =
        0.55 * Pluck(t, 0.001, 0.04) * SineWave(body.Next(190 - 40 * t, static_cast<int>(r.Rate)));
    out[i] =
        static_cast<float>(tone + 0.8 * Pluck(t, 0.001, 0.065) * (filter.Band + 0.3 * filter.High));
  }
  return out;
}

std::vector<float> Hat(const TRender& r) {
  std::vector<float> out(r.Count(0.07));
  TNoise noise(5);
  TFilter filter;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / r.Rate;
    filter.Run(noise.Next(), 7000, 0.7, static_cast<int>(r.Rate));
    out[i] = static_cast<float>(Pluck(t, 0.0005, 0.018) * filter.High);
  }
  return out;
}

// Plucked synth bass: a saw through a closing low-pass filter.
std::vector<float> Bass(const TRender& r, double frequency) {
  std::vector<float> out(r.Count(0.9));
  TOscillator a, b;
  TFilter filter;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / r.Rate;
    const double wave = 0.6 * SawWave(a.Next(frequency, static_cast<int>(r.Rate))) +
                        0.4 * SquareWave(b.Next(frequency * 1.003, static_cast<int>(r.Rate)));
    filter.Run(wave, 180 + 1800 * std::exp(-t / 0.09), 1.4, static_cast<int>(r.Rate));
    out[i] = static_cast<float>(Pluck(t, 0.003, 0.35) * filter.Low);
  }
  return out;
}

// A bell-like FM pluck for arpeggios.
std::vector<float> FmPluck(const TRender& r, double frequency) {
  std::vector<float> out(r.Count(0.75));
  TOscillator carrier, modulator;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / r.Rate;
    const double index = 1.6 * std::exp(-t / 0.08);
    const double m = SineWave(modulator.Next(frequency * 2, static_cast<int>(r.Rate)));
    const double phase = carrier.Next(frequency, static_cast<int>(r.Rate));
    out[i] = static_cast<float>(Pluck(t, 0.002, 0.22) * std::sin(kTwoPi * phase + index * m));
  }
  return out;
}

// Rounds a frequency to a whole number of cycles per loop.
double LoopTuned(double frequency, int loopLength, double rate) {
  const double cycles = std::max(1.0, std::round(frequency * loopLength / rate));
  return cycles * rate / loopLength;
}

// Sustained tone: an attack of about `attack` seconds, then a loop of about `loop` seconds.
// Both lengths are even so the ProTracker word offsets are exact.
template <class Voice>
TSample Sustained(const char* name, int baseMidi, const TRender& r, double attack, double loop,
                  Voice voice, int volume) {
  const int attackLength = r.Count(attack) & ~1, loopLength = r.Count(loop) & ~1;
  std::vector<float> data(attackLength + loopLength);
  voice(data, attackLength, loopLength);
  Normalize(data, 0.9f);
  TSample s;
  s.Name = name;
  s.BaseMidi = baseMidi;
  s.Volume = volume;
  s.LoopStart = attackLength;
  s.LoopLength = loopLength;
  s.Data = std::move(data);
  return s;
}

}  // namespace

TSample MakeInstrument(TInstrument instrument, double rate) {
  const TRender r{rate};
  const int irate = static_cast<int>(std::lround(rate));
  switch (instrument) {
    case TInstrument::Kick:
      return OneShot("kick", 60, Kick(r));
    case TInstrument::Snare:
      return OneShot("snare", 60, Snare(r), 52);
    case TInstrument::Hat:
      return OneShot("hat", 60, Hat(r), 30);
    case TInstrument::Bass:
      return OneShot("bass", 48, Bass(r, NoteFrequency(48)), 56);
    case TInstrument::Pluck:
      return OneShot("pluck", 72, FmPluck(r, NoteFrequency(72)), 40);
    case TInstrument::Lead: {
      // Square-saw lead with a 4 Hz vibrato: two whole vibrato cycles fit the half-second
      // loop, so the phase over the loop is still a whole number of cycles.
      return Sustained(
          "lead", 72, r, 0.06, 0.5,
          [&](std::vector<float>& d, int attack, int loop) {
            const double f = LoopTuned(NoteFrequency(72), loop, rate);
            TOscillator a, b;
            TFilter filter;
            for (size_t i = 0; i < d.size(); ++i) {
              const double t = i / rate;
              const double lfoDepth = std::min(1.0, static_cast<double>(i) / std::max(attack, 1));
              const double vib = 1 + 0.006 * lfoDepth * std::sin(kTwoPi * 4 * (i - attack) / rate);
              const double wave = 0.55 * SquareWave(a.Next(f * vib, irate), 0.4) +
                                  0.45 * SawWave(b.Next(f * vib, irate));
              filter.Run(wave, 3200, 0.8, irate);
              d[i] = static_cast<float>(std::min(1.0, t / 0.01) * filter.Low);
            }
          },
          44);
    }
    case TInstrument::Pad: {
      // Two saws a few cents apart beat slowly against each other: a soft chorus.
      return Sustained(
          "pad", 60, r, 0.25, 1.0,
          [&](std::vector<float>& d, int attack, int loop) {
            const double f1 = LoopTuned(NoteFrequency(60), loop, rate);
            const double f2 = LoopTuned(NoteFrequency(60) * 1.006, loop, rate);
            const double f3 = LoopTuned(NoteFrequency(72) * 0.997, loop, rate);
            TOscillator a, b, c;
            for (size_t i = 0; i < d.size(); ++i) {
              const double wave = SawWave(a.Next(f1, irate)) + SawWave(b.Next(f2, irate)) +
                                  0.4 * TriangleWave(c.Next(f3, irate));
              d[i] = static_cast<float>(std::min(1.0, static_cast<double>(i) / attack) * wave);
            }
            // A gentle low-pass keeps the pad behind the lead; it settles within the attack, so
            // the looped part is periodic.
            TFilter filter;
            for (float& v : d) {
              filter.Run(v, 1500, 0.7, irate);
              v = static_cast<float>(filter.Low);
            }
          },
          34);
    }
  }
  return {};
}
