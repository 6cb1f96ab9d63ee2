// Text in the containers: wide and UTF-8 strings to Windows-1250 bytes, and name matching.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Little-endian UTF-16 units; characters outside Windows-1250 become '?'.
std::string Utf16ToWindows1250(std::span<const uint8_t> units);
// Malformed sequences and characters outside Windows-1250 become '?'.
std::string Utf8ToWindows1250(std::span<const uint8_t> bytes);

// Property, colour and boolean names compare this way; other bytes must match exactly.
bool SameIgnoringAsciiCase(std::string_view a, std::string_view b);
