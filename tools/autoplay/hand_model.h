// The automatic player's hands: a reaction time before each decision, then one key press per
// cursor step and Space, each held and released for fixed times, as a quick person plays.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "placement_choice.h"

constexpr int32_t kReactionMs = 250;
constexpr int32_t kKeyHoldMs = 100;
constexpr int32_t kKeyGapMs = 50;

class THandModel {
 public:
  // The keys to hold during the frame that starts at game time `now`, having seen the screen
  // as the previous frame left it.
  std::array<bool, 256> KeysFor(int32_t now);
  int32_t Decisions() const { return decisions_; }
  int32_t Exchanges() const { return exchanges_; }

 private:
  enum class TStage { Waiting, Reacting, Pressing };
  void StartPresses(const TMove& move, int32_t now);

  TStage stage_ = TStage::Waiting;
  int32_t readyAt_ = 0;
  std::vector<int32_t> keys_;
  std::size_t keyIndex_ = 0;
  int32_t pressStart_ = 0;
  int32_t decisions_ = 0;
  int32_t exchanges_ = 0;
};
