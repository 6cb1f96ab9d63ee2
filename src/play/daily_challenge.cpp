#include "play/daily_challenge.h"

#include <chrono>
#include <cstdio>

std::optional<TDailyDate> DailyGame;

namespace {
bool IsRealDate(int32_t year, int32_t month, int32_t day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  const std::chrono::year_month_day date{std::chrono::year{year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  return date.ok();
}

std::optional<int32_t> Digits(std::string_view text) {
  int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}
}  // namespace

uint32_t TDailyDate::Number() const {
  return static_cast<uint32_t>(Year * 10000 + Month * 100 + Day);
}

std::optional<TDailyDate> TDailyDate::FromNumber(uint32_t number) {
  const auto year = static_cast<int32_t>(number / 10000);
  const auto month = static_cast<int32_t>(number / 100 % 100);
  const auto day = static_cast<int32_t>(number % 100);
  if (!IsRealDate(year, month, day)) return std::nullopt;
  return TDailyDate{year, month, day};
}

int64_t TDailyDate::DaysSinceEpoch() const {
  const std::chrono::sys_days days{std::chrono::year_month_day{
      std::chrono::year{Year}, std::chrono::month{static_cast<unsigned>(Month)},
      std::chrono::day{static_cast<unsigned>(Day)}}};
  return days.time_since_epoch().count();
}

TDailyDate TDailyDate::FromDaysSinceEpoch(int64_t days) {
  const std::chrono::year_month_day date{
      std::chrono::sys_days{std::chrono::days{static_cast<int32_t>(days)}}};
  return {static_cast<int32_t>(date.year()), static_cast<int32_t>(unsigned{date.month()}),
          static_cast<int32_t>(unsigned{date.day()})};
}

std::optional<TDailyDate> ParseDailyDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = Digits(text.substr(0, 4));
  const auto month = Digits(text.substr(5, 2));
  const auto day = Digits(text.substr(8, 2));
  if (!year || !month || !day || !IsRealDate(*year, *month, *day)) return std::nullopt;
  return TDailyDate{*year, *month, *day};
}

std::string FormatDailyDate(const TDailyDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(date.Year),
                static_cast<int>(date.Month), static_cast<int>(date.Day));
  return text;
}

TDailyDate TodayUtc() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return TDailyDate::FromDaysSinceEpoch(today.time_since_epoch().count());
}
