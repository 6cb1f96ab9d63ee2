// Reads the level configuration file and spreads its 120 records over the level tables.
#include "store/configuration.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/level_params.h"
#include "store/scramble.h"
#include "text/strings.h"

namespace {
constexpr std::string_view kMagic = "CFG#NEXODA\x1b";
constexpr char kRecordEnd = 27;
constexpr size_t kKindsLength = 5;
constexpr int kLevelCount = 20;
constexpr int kFirstMode = 2;
constexpr int kLastMode = 5;
constexpr int32_t kLevelBriefingDelay = 2000;
constexpr int32_t kModeBriefingDelay = 1100;
}  // namespace

bool ParseConfiguration(std::string_view bytes, TConfigRecords& records) {
  records.fill({});
  // A file that ends inside the magic without a difference is not failed: it has no records.
  const size_t magicLength = std::min(bytes.size(), kMagic.size());
  if (bytes.substr(0, magicLength) != kMagic.substr(0, magicLength)) return true;

  size_t pos = magicLength;
  // Records past the last slot are ignored; nothing is read or written outside the table.
  for (int number = 1; number <= kConfigRecordCount && pos < bytes.size(); ++number) {
    const size_t end = bytes.find(kRecordEnd, pos);
    // A last record without its terminator ends at the end of the file and is kept.
    const size_t length = (end == std::string_view::npos ? bytes.size() : end) - pos;
    records[number] = Unscramble(bytes.substr(pos, length));
    pos += length + 1;
  }
  return false;
}

bool ReadConfigurationFrom(const std::string& path, TConfigRecords& records) {
  records.fill({});
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return true;
  std::ifstream file(path, std::ios::binary);
  if (!file) return true;
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return true;
  return ParseConfiguration(bytes, records);
}

bool ReadConfiguration(TConfigRecords& records) {
  return ReadConfigurationFrom("nexoda.cfg", records);
}

void ApplyConfiguration(const TConfigRecords& records) {
  auto number = [&](int record) { return TextToInt(records[record]); };
  auto kinds = [&](int record) { return records[record].substr(0, kKindsLength); };

  // The levels are grouped by field: twenty time limits, then twenty kinds texts, and so on.
  for (int level = 1; level <= kLevelCount; ++level) {
    TLevelParams& params = ArcadeLevels[level];
    params.TimeLimit = number(level);
    params.AtomKinds = kinds(kLevelCount + level);
    params.SupplyInterval = number(2 * kLevelCount + level);
    params.MoleculeGoal = number(3 * kLevelCount + level);
    params.MinMoleculeSize = number(4 * kLevelCount + level);
    params.BriefingDelay = kLevelBriefingDelay;
  }
  // The modes are grouped by mode: five consecutive records each, after the 100 level records.
  for (int mode = kFirstMode; mode <= kLastMode; ++mode) {
    const int first = 5 * kLevelCount + 5 * (mode - kFirstMode) + 1;
    TLevelParams& params = ModeParams[mode];
    params.TimeLimit = number(first);
    params.AtomKinds = kinds(first + 1);
    params.SupplyInterval = number(first + 2);
    params.MoleculeGoal = number(first + 3);
    params.MinMoleculeSize = number(first + 4);
    params.BriefingDelay = kModeBriefingDelay;
  }
}
