#include "level_measure.h"

#include <algorithm>
#include <cmath>
#include <iomanip>

namespace {
double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

// Unlike the normal approximation it stays inside 0..1 and is honest at 0 or N wins.
void WilsonInterval(int32_t wins, int32_t games, double& low, double& high) {
  if (games == 0) return;
  constexpr double z = 1.96;
  const double n = games;
  const double p = wins / n;
  const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
  const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
  // Exactly at the ends when every game was lost or won: rounding must not leave p outside.
  low = wins == 0 ? 0.0 : std::max(0.0, centre - half);
  high = wins == games ? 1.0 : std::min(1.0, centre + half);
}
}  // namespace

TLevelFigures MeasureLevel(TAutoplayTable& table, const TGameSetup& level, int32_t games,
                           uint32_t firstRun, std::ostream* perGame) {
  TLevelFigures figures;
  figures.Name = level.Mode == 1   ? std::to_string(level.Level)
                 : level.Mode == 2 ? "bitva"
                                   : "destrukce";
  figures.Level = level.Mode == 1 ? ArcadeLevels.at(level.Level) : ModeParams.at(level.Mode);
  std::vector<double> timeLeft;
  std::vector<double> played;
  int64_t molecules = 0;
  int64_t playedMs = 0;
  int64_t wasted = 0;
  int64_t atoms = 0;
  for (int32_t i = 0; i < games; ++i) {
    TGameSetup setup = level;
    const uint32_t run = firstRun + static_cast<uint32_t>(i);
    setup.Seed = level.Mode == 1 ? ArcadeSeed(run, level.Level) : run;
    const TGameOutcome outcome = table.Play(setup);
    ++figures.Games;
    if (perGame != nullptr) {
      const double perMinute =
          outcome.PlayedMs > 0 ? outcome.AtomsPlaced * 60000.0 / outcome.PlayedMs : 0.0;
      *perGame << level.Profile.Name << ',' << figures.Name << ',' << run << ',' << setup.Seed
               << ',' << (outcome.Won ? 1 : 0) << ',' << outcome.PlayedMs << ','
               << outcome.AtomsPlaced << ',' << std::fixed << std::setprecision(2) << perMinute
               << ',' << outcome.Molecules << ',' << outcome.AtomsWasted << ',' << outcome.Exchanges
               << ',' << outcome.Slips << '\n';
    }
    atoms += outcome.AtomsPlaced;
    molecules += outcome.Molecules;
    playedMs += outcome.PlayedMs;
    wasted += outcome.AtomsWasted;
    if (level.Mode == 2 || outcome.Won) played.push_back(outcome.PlayedMs / 1000.0);
    if (!outcome.Won) continue;
    ++figures.Wins;
    timeLeft.push_back(outcome.TimeLeftMs / 1000.0);
    if (!figures.WinningSeed) figures.WinningSeed = setup.Seed;
  }
  WilsonInterval(figures.Wins, figures.Games, figures.WinLow, figures.WinHigh);
  if (level.Mode == 1) figures.MedianTimeLeftS = Median(timeLeft);
  if (level.Mode != 1) figures.MedianPlayedS = Median(played);
  if (playedMs > 0) figures.MoleculesPerMinute = molecules * 60000.0 / playedMs;
  if (playedMs > 0) figures.AtomsPerMinute = atoms * 60000.0 / playedMs;
  if (games > 0) figures.WastedPerGame = static_cast<double>(wasted) / games;
  return figures;
}

void WriteGamesCsvHeader(std::ostream& out) {
  out << "profile,level,run,seed,won,played_ms,atoms,atoms_per_min,molecules,wasted,exchanges,"
         "slips\n";
}

void WriteFiguresCsvHeader(std::ostream& out) {
  out << "level,time_limit_s,kinds,supply_ms,goal,min_size,games,wins,win_rate,win_low,win_high,"
         "median_time_left_s,molecules_per_min,"
         "wasted_per_game,median_played_s,winning_seed,atoms_per_min\n";
}

void WriteFiguresCsvRow(std::ostream& out, const TLevelFigures& figures) {
  const double rate = figures.Games > 0 ? static_cast<double>(figures.Wins) / figures.Games : 0.0;
  const TLevelParams& level = figures.Level;
  out << figures.Name << ',' << level.TimeLimit / 1000 << ',' << level.AtomKinds << ','
      << level.SupplyInterval << ',' << level.MoleculeGoal << ',' << level.MinMoleculeSize << ',';
  out << std::fixed << std::setprecision(3) << figures.Games << ',' << figures.Wins << ',' << rate
      << ',' << figures.WinLow << ',' << figures.WinHigh << ',' << std::setprecision(1)
      << figures.MedianTimeLeftS << ',' << std::setprecision(2) << figures.MoleculesPerMinute << ','
      << figures.WastedPerGame << ',' << std::setprecision(1) << figures.MedianPlayedS << ',';
  if (figures.WinningSeed) out << *figures.WinningSeed;
  out << ',' << std::setprecision(2) << figures.AtomsPerMinute << '\n' << std::flush;
}
