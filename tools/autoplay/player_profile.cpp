#include "player_profile.h"

#include <array>
#include <cmath>

namespace {
// Name, think base, per atom, tail, hold, gap, exchanges, wrong direction, slipped exchange.
const std::array<TPlayerProfile, 3> kProfiles = {{
    {"quick", 550, 12, 0.35, 70, 50, 1.0, 0.01, 0.003},
    {"average", 1200, 20, 0.4, 100, 100, 0.5, 0.03, 0.01},
    {"beginner", 2000, 35, 0.45, 120, 160, 0.1, 0.06, 0.02},
}};
}  // namespace

std::optional<TPlayerProfile> FindProfile(const std::string& name) {
  for (const TPlayerProfile& profile : kProfiles) {
    if (profile.Name == name) return profile;
  }
  return std::nullopt;
}

const TPlayerProfile& AverageProfile() {
  return kProfiles[1];
}

double TPlayerRandom::Uniform() {
  // splitmix64: tiny, fast and well mixed even from neighbouring seeds.
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

double TPlayerRandom::SkewedFactor(double tail) {
  return (1.0 - tail) - tail * std::log(1.0 - Uniform());
}
