// Converting the containers' UTF-16 and UTF-8 strings to the game's Windows-1250 bytes.
#pragma once
#include <cstdint>
#include <span>
#include <string>

// Little-endian UTF-16 units; characters outside Windows-1250 become '?'.
std::string Utf16ToWindows1250(std::span<const uint8_t> units);
// Malformed sequences and characters outside Windows-1250 become '?'.
std::string Utf8ToWindows1250(std::span<const uint8_t> bytes);
