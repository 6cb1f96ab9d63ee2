// The light scrambling of stored texts: one coded byte and two random fillers per character.
#include "store/scramble.h"

#include "store/random.h"

namespace {
// Fillers stay within 32..154, so they are never the configuration file's separator (27).
constexpr int32_t kFillerLow = 32;
constexpr int32_t kFillerCount = 123;

char Filler() {
  return static_cast<char>(kFillerLow + Random(kFillerCount));
}

// Position p counts from 1; the arithmetic wraps modulo 256.
uint8_t Shift(size_t p) {
  return static_cast<uint8_t>(p + 10);
}
}  // namespace

std::string Scramble(std::string_view plain) {
  std::string scrambled;
  scrambled.reserve(plain.size() * 3);
  for (size_t i = 0; i < plain.size(); ++i) {
    scrambled += static_cast<char>(static_cast<uint8_t>(plain[i]) + Shift(i + 1));
    scrambled += Filler();
    scrambled += Filler();
  }
  return scrambled;
}

std::string Unscramble(std::string_view scrambled) {
  const size_t count = scrambled.size() / 3;  // a partial last group is ignored
  std::string plain(count, '\0');
  for (size_t k = 0; k < count; ++k) {
    plain[k] = static_cast<char>(static_cast<uint8_t>(scrambled[3 * k]) - Shift(k + 1));
  }
  return plain;
}
