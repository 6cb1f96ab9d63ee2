#include "clearing_judgement.h"

#include "board_reading.h"

namespace {
constexpr double kCleared = 100000.0;
// Every free electron needs a bond, and every structure but one needs joining to the rest.
constexpr double kPerFreeElectron = -60.0;
constexpr double kPerExtraStructure = -60.0;
constexpr double kPerAtom = -5.0;
// Only an exchange frees a structure from an atom that can never close.
constexpr double kPerStuckAtom = -150.0;
constexpr double kPerSharedHoleElectron = 30.0;
}  // namespace

double JudgeClearing() {
  const std::vector<TStructure> structures = ReadStructures();
  if (structures.empty()) return kCleared;
  double value = kPerExtraStructure * static_cast<double>(structures.size() - 1);
  for (const TStructure& structure : structures) {
    value += kPerFreeElectron * structure.OpenElectrons + kPerAtom * structure.Atoms +
             kPerStuckAtom * structure.StuckAtoms;
  }
  return value + kPerSharedHoleElectron * SharedHoleElectrons();
}
