// Finishing steps shared by every synthesised sound.
#include "sound/synth.h"

#include <algorithm>

void Normalize(TSignal& signal, float peak) {
  float largest = 0;
  for (float s : signal) largest = std::max(largest, std::fabs(s));
  if (largest <= 0) return;
  for (float& s : signal) s *= peak / largest;
}

void FadeEnds(TSignal& signal, int rate, double fadeIn, double fadeOut) {
  const size_t in = std::min(signal.size(), static_cast<size_t>(fadeIn * rate));
  const size_t out = std::min(signal.size(), static_cast<size_t>(fadeOut * rate));
  for (size_t i = 0; i < in; ++i) signal[i] *= static_cast<float>(i) / in;
  for (size_t i = 0; i < out; ++i) signal[signal.size() - 1 - i] *= static_cast<float>(i) / out;
}

std::vector<uint8_t> ToPcm16(const TSignal& signal) {
  std::vector<uint8_t> bytes;
  bytes.reserve(signal.size() * 2);
  for (float s : signal) {
    const int value = std::clamp(static_cast<int>(std::lround(s * 32767.0f)), -32768, 32767);
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
  }
  return bytes;
}
