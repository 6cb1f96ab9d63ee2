// The shipped level table and its compilation into the scrambled configuration file.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "store/level_params.h"

constexpr int kArcadeLevelCount = 20;

struct TLevelRow {
  int32_t TimeLimit;       // ms
  const char* AtomKinds;   // five characters, "A" where kind 1..5 is supplied, "-" where not
  int32_t SupplyInterval;  // ms
  int32_t MoleculeGoal;
  int32_t MinMoleculeSize;  // 0: any closed structure counts
};

// Levels 1..20 of "arkada", in order.
extern const std::array<TLevelRow, kArcadeLevelCount> kArcadeTable;
// "bitva", "destrukce", "trenink a", "trenink b" (game modes 2..5), in order.
extern const std::array<TLevelRow, 4> kModeTable;

// The file bytes: the magic, byte 27, then 120 scrambled records each closed by byte 27;
// the levels grouped by field, the modes grouped by mode.
std::string EncodeConfiguration();
