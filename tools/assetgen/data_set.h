// Writes the game's complete data set: both containers, the level file and the four modules.
#pragma once
#include <string>
#include <vector>

// Creates `directory` (and its mod/ and lang/ folders) and writes every file, with the text
// catalogues of `catalogueDirectory` beside the built-in Czech one; returns their paths.
// Throws std::runtime_error when a file cannot be written or a catalogue fails its check.
std::vector<std::string> WriteDataSet(const std::string& directory,
                                      const std::string& catalogueDirectory = "");
