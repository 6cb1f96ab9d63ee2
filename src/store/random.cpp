// The process-wide random generator.
#include "store/random.h"

#include <chrono>
#include <optional>
#include <random>

namespace {
std::mt19937& Generator() {
  static std::mt19937 generator(5489u);
  return generator;
}
bool seeded = false;
uint32_t seedInUse = 5489u;
uint64_t drawCount = 0;

uint32_t Draw() {
  ++drawCount;
  return static_cast<uint32_t>(Generator()());
}
}  // namespace

void Randomize() {
  RandSeed(
      static_cast<uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void RandSeed(uint32_t seed) {
  Generator().seed(seed);
  seeded = true;
  seedInUse = seed;
  drawCount = 0;
}

void RandSeedAt(uint32_t seed, uint64_t draws) {
  RandSeed(seed);
  Generator().discard(draws);
  drawCount = draws;
}

uint32_t RandomSeedInUse() {
  return seedInUse;
}

uint64_t RandomDrawCount() {
  return drawCount;
}

bool RandomSeeded() {
  return seeded;
}

namespace {
// Multiply-and-reject on 32-bit draws, spelled out: <random>'s distributions differ between
// standard libraries, and a seed must give the same game in every build (the browser's too).
template <typename TDraw>
int32_t DrawBelow(int32_t range, TDraw draw) {
  if (range <= 0) return 0;
  const uint32_t bound = static_cast<uint32_t>(range);
  uint64_t product = uint64_t{draw()} * bound;
  if (static_cast<uint32_t>(product) < bound) {
    const uint32_t threshold = (0u - bound) % bound;
    while (static_cast<uint32_t>(product) < threshold) {
      product = uint64_t{draw()} * bound;
    }
  }
  return static_cast<int32_t>(product >> 32);
}

std::optional<std::mt19937> ownGameGenerator;
}  // namespace

int32_t Random(int32_t range) {
  return DrawBelow(range, Draw);
}

int32_t GameRandom(int32_t range) {
  if (!ownGameGenerator) return Random(range);
  return DrawBelow(range, [] { return static_cast<uint32_t>((*ownGameGenerator)()); });
}

void UseOwnGameGenerator(uint32_t seed) {
  ownGameGenerator.emplace(seed);
}

void UseSharedGameGenerator() {
  ownGameGenerator.reset();
}
