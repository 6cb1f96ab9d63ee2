#include "replay/gameplay_fingerprint.h"

#include <string_view>

#include "store/level_params.h"

namespace {
// FNV-1a over little-endian fields: the same on every target.
class TFnv1a {
 public:
  void Add(std::string_view bytes) {
    for (char byte : bytes) {
      hash_ ^= static_cast<uint8_t>(byte);
      hash_ *= 0x100000001b3ull;
    }
    Add(static_cast<int32_t>(bytes.size()));
  }
  void Add(int32_t value) {
    for (int i = 0; i < 4; ++i) {
      hash_ ^= (static_cast<uint32_t>(value) >> (8 * i)) & 0xFF;
      hash_ *= 0x100000001b3ull;
    }
  }
  uint64_t Value() const { return hash_; }

 private:
  uint64_t hash_ = 0xcbf29ce484222325ull;
};

void AddLevel(TFnv1a& hash, const TLevelParams& level) {
  hash.Add(level.TimeLimit);
  hash.Add(level.AtomKinds);
  hash.Add(level.SupplyInterval);
  hash.Add(level.MoleculeGoal);
  hash.Add(level.MinMoleculeSize);
  hash.Add(level.BriefingDelay);
}
}  // namespace

uint64_t GameplayFingerprint() {
  TFnv1a hash;
  for (size_t level = 1; level < ArcadeLevels.size(); ++level) AddLevel(hash, ArcadeLevels[level]);
  for (size_t mode = 2; mode < ModeParams.size(); ++mode) AddLevel(hash, ModeParams[mode]);
  return hash.Value();
}
