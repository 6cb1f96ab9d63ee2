// The daily challenge: one "destrukce" a day, the same for everyone, whose board and atoms follow
// from its date (UTC) alone.
#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TDailyDate {
  int32_t Year = 2000;
  int32_t Month = 1;
  int32_t Day = 1;

  // YYYYMMDD: how replays and the record of days keep a date.
  uint32_t Number() const;
  static std::optional<TDailyDate> FromNumber(uint32_t number);
  // Days since 1970-01-01, and back.
  int64_t DaysSinceEpoch() const;
  static TDailyDate FromDaysSinceEpoch(int64_t days);
  auto operator<=>(const TDailyDate&) const = default;
};

// Only a real date written YYYY-MM-DD (years 0001..9999).
std::optional<TDailyDate> ParseDailyDate(std::string_view text);
std::string FormatDailyDate(const TDailyDate& date);
// Today in UTC, from the system's clock.
TDailyDate TodayUtc();

// The date of the daily challenge being played; empty in every other game.
extern std::optional<TDailyDate> DailyGame;
