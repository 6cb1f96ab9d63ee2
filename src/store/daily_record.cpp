#include "store/daily_record.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>

#include "platform/file_system.h"
#include "platform/store_written.h"
#include "play/daily_challenge.h"

namespace {
constexpr const char* kHeader = "# brunival daily record 1\n";
constexpr size_t kMaxFileSize = 64u << 10;

struct TDailyRecord {
  std::string File;                    // empty: in memory
  std::map<TDailyDate, int32_t> Best;  // the in-memory record, or the file as last read
  bool Read = false;
};

TDailyRecord& Record() {
  static TDailyRecord record;
  return record;
}

// Lines that are not "YYYY-MM-DD SCORE" are passed over: a damaged line loses that day only.
std::map<TDailyDate, int32_t> Parse(const std::string& text) {
  std::map<TDailyDate, int32_t> best;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string dateText;
    int64_t score = -1;
    if (!(fields >> dateText >> score) || score < 0 || score > INT32_MAX) continue;
    if (const auto date = ParseDailyDate(dateText)) {
      int32_t& kept = best[*date];
      kept = std::max(kept, static_cast<int32_t>(score));
    }
  }
  return best;
}

std::string Format(const std::map<TDailyDate, int32_t>& best) {
  std::string text = kHeader;
  for (const auto& [date, score] : best) {
    text += FormatDailyDate(date) + " " + std::to_string(score) + "\n";
  }
  return text;
}

// The file as it is now (another copy of the game may have written it since).
std::map<TDailyDate, int32_t>& ReadAgain() {
  TDailyRecord& record = Record();
  record.Read = true;
  if (record.File.empty()) return record.Best;
  std::string bytes;
  if (ReadSmallFile(record.File, kMaxFileSize, bytes) == TReadFileResult::kRead) {
    record.Best = Parse(bytes);
  }
  return record.Best;
}

// Drawn every frame of a briefing: read once, then kept.
const std::map<TDailyDate, int32_t>& Known() {
  return Record().Read ? Record().Best : ReadAgain();
}
}  // namespace

void KeepDailyRecordBeside(const std::string& storeFile) {
  TDailyRecord& record = Record();
  record.Best.clear();
  record.Read = false;
  record.File = storeFile.empty()
                    ? std::string()
                    : Utf8FromPath(PathFromUtf8(storeFile).parent_path() / "daily.txt");
}

std::optional<int32_t> DailyBest(const TDailyDate& date) {
  const auto& best = Known();
  const auto found = best.find(date);
  if (found == best.end()) return std::nullopt;
  return found->second;
}

void NoteDailyScore(const TDailyDate& date, int32_t score) {
  auto& best = ReadAgain();
  const auto found = best.find(date);
  if (found != best.end() && found->second >= score) return;
  best[date] = std::max(score, 0);
  while (best.size() > static_cast<size_t>(kDailyDaysKept)) best.erase(best.begin());
  const std::string& file = Record().File;
  if (file.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(file).parent_path(), error);
  const bool written = ReplaceFileDurably(file, file + ".new", Format(best));
  // The score stays in memory for this session; the message says why it was not kept.
  if (!written)
    std::cerr << "brunival: the daily record could not be kept (" << LastFileError() << ")\n";
  ReportStoreWritten(file, written);
}

int DailyStreak(const TDailyDate& today) {
  const auto& best = Known();
  int64_t day = today.DaysSinceEpoch();
  if (!best.contains(today)) --day;
  int streak = 0;
  while (best.contains(TDailyDate::FromDaysSinceEpoch(day))) {
    ++streak;
    --day;
  }
  return streak;
}
