// The automatic player's hands: a thinking time before each decision, then one key press per
// cursor step and Space, at a person's pace and with a person's slips (`TPlayerProfile`).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "placement_choice.h"
#include "player_profile.h"

class THandModel {
 public:
  // The player's own draws are seeded from the game's seed, so a game replays exactly.
  THandModel(const TPlayerProfile& profile, uint32_t seed);
  // The keys to hold during the frame that starts at game time `now`, having seen the screen
  // as the previous frame left it.
  std::array<bool, 256> KeysFor(int32_t now);
  int32_t Decisions() const { return decisions_; }
  int32_t Exchanges() const { return exchanges_; }
  int32_t Slips() const { return slips_; }

 private:
  enum class TStage { Waiting, Reacting, Pressing };
  struct TPress {
    int32_t Key;
    int32_t HoldMs;
    int32_t GapMs;
  };
  int32_t ThinkingMs();
  TMove Slipped(TMove move);
  void StartPresses(const TMove& move, int32_t now);
  void AddPress(int32_t key);

  TPlayerProfile profile_;
  TPlayerRandom random_;
  TStage stage_ = TStage::Waiting;
  int32_t readyAt_ = 0;
  std::vector<TPress> presses_;
  std::size_t pressIndex_ = 0;
  int32_t pressStart_ = 0;
  int32_t decisions_ = 0;
  int32_t exchanges_ = 0;
  int32_t slips_ = 0;
};
