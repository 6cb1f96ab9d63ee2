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
  std::uniform_int_distribution<int32_t> draw(0, range - 1);
  return draw(Generator());
}
