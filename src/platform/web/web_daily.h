// The page's side of the daily challenge: what a replay claims, and the record of days.
#pragma once
#include <cstdint>

// The score the game holds now: what a replay just watched reached in this browser.
int32_t ScoreReached();
