// How fast and how carefully a person plays: the pace and the slips of the automatic player's
// hands. The figures and where they come from are in docs/LEVELS.md.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

struct TPlayerProfile {
  std::string Name;
  int32_t ThinkBaseMs;     // looking at a fresh atom and deciding, on an empty board
  int32_t ThinkPerAtomMs;  // more to weigh for every atom standing on the board
  double ThinkTail;        // share of the thinking time that is a right-skewed random tail
  int32_t KeyHoldMs;       // one key held down
  int32_t KeyGapMs;        // from one key up to the next down
  double ExchangeUse;      // chance a decision weighs exchanges at all
  double WrongDirection;   // chance a decision has one arrow pressed the wrong way (then undone)
  double SlipExchange;     // chance Space lands one cell off, on an atom: an unintended exchange
};

// "quick", "average" or "beginner".
std::optional<TPlayerProfile> FindProfile(const std::string& name);
const TPlayerProfile& AverageProfile();

// The player's own random numbers, apart from the game's generator, so that a seed replays the
// same game whatever the player draws.
class TPlayerRandom {
 public:
  explicit TPlayerRandom(uint64_t seed) : state_(seed) {}
  double Uniform();  // [0, 1)
  bool Chance(double probability) { return Uniform() < probability; }
  // Mean 1: a fixed part plus an exponential tail, the skewed shape of human reaction times.
  double SkewedFactor(double tail);

 private:
  uint64_t state_;
};
