// Writes the built-in artwork and sounds as editable files with a manifest that packs them back.
#pragma once
#include <string>
#include <vector>

// PNG pictures, WAV sounds and "manifest.txt" in `directory`; returns the files written.
std::vector<std::string> ExportSourceFiles(const std::string& directory);
