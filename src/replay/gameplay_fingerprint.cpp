#include "replay/gameplay_fingerprint.h"

#include "replay/fnv1a.h"
#include "store/level_params.h"

namespace {
void AddLevel(TFnv1a& hash, const TLevelParams& level) {
  hash.Add(int64_t{level.TimeLimit});
  hash.Add(level.AtomKinds);
  hash.Add(int64_t{level.SupplyInterval});
  hash.Add(int64_t{level.MoleculeGoal});
  hash.Add(int64_t{level.MinMoleculeSize});
  hash.Add(int64_t{level.BriefingDelay});
}
}  // namespace

uint64_t GameplayFingerprint() {
  TFnv1a hash;
  for (size_t level = 1; level < ArcadeLevels.size(); ++level) AddLevel(hash, ArcadeLevels[level]);
  for (size_t mode = 2; mode < ModeParams.size(); ++mode) AddLevel(hash, ModeParams[mode]);
  return hash.Value();
}
