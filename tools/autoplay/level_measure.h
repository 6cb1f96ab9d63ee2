// Many seeded games of one level (or mode) summed up: the win rate with its 95 % interval and
// the figures that say how a level was won or lost.
#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "autoplay_game.h"
#include "store/level_params.h"

struct TLevelFigures {
  std::string Name;    // "1".."20", "bitva", "destrukce"
  TLevelParams Level;  // as the data set gives it
  int32_t Games = 0;
  int32_t Wins = 0;
  double WinLow = 0.0;  // Wilson score interval, 95 %
  double WinHigh = 0.0;
  double MedianTimeLeftS = 0.0;  // arcade wins
  double MoleculesPerMinute = 0.0;
  double WastedPerGame = 0.0;
  double MedianPlayedS = 0.0;  // bitva: survival; destrukce: time to clear, over wins
  double AtomsPerMinute = 0.0;
  std::optional<uint32_t> WinningSeed;
};

// Games are runs firstRun, firstRun + 1, ...: an arcade level plays ArcadeSeed(run, level), the
// other modes play the run's number as their seed.
TLevelFigures MeasureLevel(TAutoplayTable& table, const TGameSetup& level, int32_t games,
                           uint32_t firstRun, std::ostream* perGame = nullptr);

// One line per game goes to perGame when given: the time every win took tells what any shorter
// time limit would leave, and the runs' results, level by level, make whole runs of "arkada".
void WriteGamesCsvHeader(std::ostream& out);
void WriteFiguresCsvHeader(std::ostream& out);
void WriteFiguresCsvRow(std::ostream& out, const TLevelFigures& figures);
