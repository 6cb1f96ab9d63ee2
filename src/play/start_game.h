// Setting up a new game of one of the five modes (1 "arkada" .. 5 "trenink b").
#pragma once
#include <cstdint>

void StartGame(uint8_t mode);
