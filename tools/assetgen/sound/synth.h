// Small synthesis kit: oscillators, noise, filters and envelopes over float sample buffers.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

using TSignal = std::vector<float>;

constexpr double kTwoPi = 6.283185307179586;

inline TSignal Silence(double seconds, int rate) {
  return TSignal(static_cast<size_t>(std::lround(seconds * rate)), 0.0f);
}

// Phase-accumulating oscillator: frequency may change every sample without clicks.
class TOscillator {
 public:
  double Phase = 0;  // 0..1
  double Next(double frequency, int rate) {
    const double value = Phase;
    Phase += frequency / rate;
    Phase -= std::floor(Phase);
    return value;
  }
};

inline double SineWave(double phase) {
  return std::sin(kTwoPi * phase);
}
inline double TriangleWave(double phase) {
  return 1 - 4 * std::fabs(phase - 0.5);
}
inline double SquareWave(double phase, double duty = 0.5) {
  return phase < duty ? 1 : -1;
}
inline double SawWave(double phase) {
  return 2 * phase - 1;
}

// Deterministic white noise in -1..1.
class TNoise {
 public:
  explicit TNoise(uint32_t seed = 0x9E3779B9u) : state_(seed | 1) {}
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ & 0xFFFFFF) / 8388607.5 - 1.0;
  }

 private:
  uint32_t state_;
};

// Two-pole state-variable filter; cutoff may move every sample.
class TFilter {
 public:
  double Low = 0, Band = 0, High = 0;
  void Run(double input, double cutoff, double resonance, int rate) {
    const double f = 2 * std::sin(3.141592653589793 * std::min(cutoff, rate / 6.0) / rate);
    const double q = 1.0 / std::max(resonance, 0.5);
    Low += f * Band;
    High = input - Low - q * Band;
    Band += f * High;
  }
};

// Attack, then exponential decay with the given time constant (seconds).
inline double Pluck(double t, double attack, double decay) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

// Linear attack, hold, linear release; zero outside.
inline double Gate(double t, double attack, double hold, double release) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  if (t < attack + hold) return 1;
  if (t < attack + hold + release) return 1 - (t - attack - hold) / release;
  return 0;
}

inline double NoteFrequency(double midiNote) {
  return 440.0 * std::pow(2.0, (midiNote - 69) / 12);
}

// Scales the signal so its largest magnitude is `peak`.
void Normalize(TSignal& signal, float peak);
// Short linear fades at both ends remove clicks.
void FadeEnds(TSignal& signal, int rate, double fadeIn, double fadeOut);
// Signed 16-bit little-endian bytes, clipped.
std::vector<uint8_t> ToPcm16(const TSignal& signal);
