// The record of days: the best daily-challenge score of each of the last 30 days played, kept in
// "daily.txt" beside the hall-of-fame store, or in memory where the store is in memory.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

struct TDailyDate;

inline constexpr int kDailyDaysKept = 30;

// Empty: in memory.
void KeepDailyRecordBeside(const std::string& storeFile);
std::optional<int32_t> DailyBest(const TDailyDate& date);
// A game of that day ended with this score. A day's best only ever improves; only the 30 latest
// days are kept.
void NoteDailyScore(const TDailyDate& date, int32_t score);
// Consecutive days played up to today; while today is still to play, up to yesterday.
int DailyStreak(const TDailyDate& today);
