// Parameters of the twenty arcade levels and of the four other modes.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct TLevelParams {
  int32_t TimeLimit = 0;       // ms
  std::string AtomKinds;       // position k (1..5) is 'A' when kind k may be supplied
  int32_t SupplyInterval = 0;  // ms
  int32_t MoleculeGoal = 0;
  int32_t MinMoleculeSize = 0;
  int32_t BriefingDelay = 0;  // ms; not read from the file
};

// Indexed 1..20; entry 0 is unused.
extern std::array<TLevelParams, 21> ArcadeLevels;
// Indexed by game mode 2..5; entries 0 and 1 are unused.
extern std::array<TLevelParams, 6> ModeParams;

// Whether atom kind 1..5 may be supplied; positions beyond the kinds text are not 'A'.
bool AllowsKind(const TLevelParams& level, int32_t kind);
// False for a kinds text without any "A" among its first five characters. The supply must ask
// before it draws: drawing until an allowed kind comes up would never end.
bool AllowsAnyKind(const TLevelParams& level);
