// The three hall-of-fame tables ("arkada", "bitva", "destrukce"), ten entries each, best first.
#pragma once
#include <array>
#include <cstdint>
#include <string>

// Element 10*t + e: table t (GameMode - 1), entry e.
using THighScoreTable = std::array<std::string, 30>;

extern THighScoreTable HallNames;
extern THighScoreTable HallScores;

void LoadHighScores();
void StoreHighScore(const THighScoreTable& names, const THighScoreTable& scores,
                    const std::string& name, uint8_t table, const std::string& score);
