// The process-wide random generator.
#include "store/random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937& Generator() {
  static std::mt19937 generator(5489u);
  return generator;
}
bool seeded = false;
}  // namespace

void Randomize() {
  RandSeed(
      static_cast<uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void RandSeed(uint32_t seed) {
  Generator().seed(seed);
  seeded = true;
}

bool RandomSeeded() {
  return seeded;
}

int32_t Random(int32_t range) {
  if (range <= 0) return 0;
  // Multiply-and-reject on 32-bit draws, spelled out: <random>'s distributions differ between
  // standard libraries, and a seed must give the same game in every build (the browser's too).
  const uint32_t bound = static_cast<uint32_t>(range);
  uint64_t product = uint64_t{static_cast<uint32_t>(Generator()())} * bound;
  if (static_cast<uint32_t>(product) < bound) {
    const uint32_t threshold = (0u - bound) % bound;
    while (static_cast<uint32_t>(product) < threshold) {
      product = uint64_t{static_cast<uint32_t>(Generator()())} * bound;
    }
  }
  return static_cast<int32_t>(product >> 32);
}
