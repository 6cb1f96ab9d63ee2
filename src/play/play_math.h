// Arithmetic habits of the game: rounding halves to even and clocks that cannot overflow.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

// Rounds to the nearest integer, halves to even (the default floating-point rounding mode).
inline int32_t RoundEven(double value) {
  return static_cast<int32_t>(std::nearbyint(value));
}

// Adds and clamps to the int32 range: game clocks fed with huge lags must not wrap into the past.
inline int32_t SaturatingAdd(int32_t value, int64_t amount) {
  const int64_t sum = static_cast<int64_t>(value) + amount;
  if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sum);
}
