// One game of the automatic player, played frame by frame through the real main window with no
// drawing and no sound device: the same update, supply, timing and rules a person meets.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "player_profile.h"

struct TGameSetup {
  uint8_t Mode = 1;   // 1 "arkada", 2 "bitva", 3 "destrukce"
  uint8_t Level = 1;  // arcade level 1..20
  uint32_t Seed = 1;
  // Arcade, for tuning: when not 0 these replace the level's time limit, goal and supply interval.
  int32_t TimeLimitMs = 0;
  int32_t MoleculeGoal = 0;
  int32_t SupplyIntervalMs = 0;
  TPlayerProfile Profile = AverageProfile();
};

struct TDailyDate;

struct TGameOutcome {
  bool Won = false;         // arcade: task done in time; destrukce: board cleared
  int32_t PlayedMs = 0;     // from the first frame of play to the end
  int32_t TimeLeftMs = 0;   // arcade wins: the limit less the whole seconds taken
  int32_t Molecules = 0;    // closed structures that counted towards the task
  int32_t AtomsPlaced = 0;  // decisions that put down (or exchanged) an atom
  int32_t AtomsWasted = 0;  // atoms blown away in closed structures below the minimum size
  int32_t Exchanges = 0;
  int32_t Slips = 0;  // wrong-way arrows and exchanges nobody meant
  int32_t Score = 0;
};

// A run of "arkada" plays level after level with fresh seeds drawn from the run's number, so that
// neighbouring levels never share a supply of atoms: run R plays level L with this seed.
uint32_t ArcadeSeed(uint32_t run, int level);

class TAutoplayTable {
 public:
  // Starts the game in the working directory, which must hold a complete data set; throws
  // std::runtime_error naming what could not be loaded.
  TAutoplayTable();
  ~TAutoplayTable();
  TGameOutcome Play(const TGameSetup& setup);
  // The day's challenge from its briefing to the main menu after it, as a person plays it: the
  // briefing dismissed with Enter, the result left to count. Each frame is written to `script`
  // (when given) as a runner's script line; Score is the game's final score.
  TGameOutcome PlayDaily(const TDailyDate& date, const TPlayerProfile& profile, uint32_t seed,
                         std::ostream* script);

 private:
  struct TMachine;
  std::unique_ptr<TMachine> machine_;
};

// Longest "bitva" or "destrukce" game the player is given before it is called off.
constexpr int32_t kLongestModeGameMs = 30 * 60 * 1000;
