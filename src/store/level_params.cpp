// The level tables of the process and the test of which atom kinds a level allows.
#include "store/level_params.h"

std::array<TLevelParams, 21> ArcadeLevels;
std::array<TLevelParams, 6> ModeParams;

namespace {
constexpr int32_t kFirstKind = 1;
constexpr int32_t kLastKind = 5;
}  // namespace

bool AllowsKind(const TLevelParams& level, int32_t kind) {
  if (kind < kFirstKind || kind > kLastKind) return false;
  const size_t position = static_cast<size_t>(kind - 1);
  return position < level.AtomKinds.size() && level.AtomKinds[position] == 'A';
}

bool AllowsAnyKind(const TLevelParams& level) {
  for (int32_t kind = kFirstKind; kind <= kLastKind; ++kind) {
    if (AllowsKind(level, kind)) return true;
  }
  return false;
}
