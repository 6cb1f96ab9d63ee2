// Rounding of floating-point values to integers as the game does it: to nearest, halves to even.
#pragma once
#include <cmath>
#include <cstdint>

inline int32_t RoundHalfEven(double value) {
  // nearbyint follows the current rounding mode, which the game never changes from to-nearest-even.
  return static_cast<int32_t>(std::nearbyint(value));
}
