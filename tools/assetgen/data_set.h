// Writes the game's complete data set: both containers, the level file and the four modules.
#pragma once
#include <string>
#include <vector>

// Creates `directory` (and its mod/ folder) and writes every file; returns their paths.
// Throws std::runtime_error when a file cannot be written.
std::vector<std::string> WriteDataSet(const std::string& directory);
