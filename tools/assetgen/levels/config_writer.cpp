// Compiles the level table into the scrambled configuration file.
#include <string>
#include <vector>

#include "levels/levels.h"
#include "store/scramble.h"

namespace {

constexpr char kSeparator = 27;

std::vector<std::string> RecordTexts() {
  std::vector<std::string> records;
  // Levels: all time limits, then all kinds, intervals, goals and minimum sizes.
  for (const auto& row : kArcadeTable) records.push_back(std::to_string(row.TimeLimit));
  for (const auto& row : kArcadeTable) records.push_back(row.AtomKinds);
  for (const auto& row : kArcadeTable) records.push_back(std::to_string(row.SupplyInterval));
  for (const auto& row : kArcadeTable) records.push_back(std::to_string(row.MoleculeGoal));
  for (const auto& row : kArcadeTable) records.push_back(std::to_string(row.MinMoleculeSize));
  // Modes: five consecutive records each.
  for (const auto& row : kModeTable) {
    records.push_back(std::to_string(row.TimeLimit));
    records.push_back(row.AtomKinds);
    records.push_back(std::to_string(row.SupplyInterval));
    records.push_back(std::to_string(row.MoleculeGoal));
    records.push_back(std::to_string(row.MinMoleculeSize));
  }
  return records;
}

}  // namespace

std::string EncodeConfiguration() {
  std::string bytes = "CFG#NEXODA";
  bytes += kSeparator;
  for (const std::string& text : RecordTexts()) {
    bytes += Scramble(text);
    bytes += kSeparator;
  }
  return bytes;
}
