// Setting up a new game of one of the five modes (1 "arkada" .. 5 "trenink b").
#pragma once
#include <cstdint>

void StartGame(uint8_t mode);

struct TDailyDate;
// The day's "destrukce", drawing its board and atoms from a generator seeded by the date.
void StartDailyGame(const TDailyDate& date);
// The day's game is over: later games draw from the shared generator again.
void EndDailyGame();
