// String helpers of the game: case, character replacement and number formatting.
#pragma once
#include <cstdint>
#include <string>

std::string UpperCaseAscii(std::string text);
std::string ReplaceChar(std::string text, char from, char to);
std::string IntToText(int32_t value);
// Leading blanks, optional sign, decimal or "$" hexadecimal; anything else (or out of range) is 0.
int32_t TextToInt(const std::string& text);
std::string IntToPadded(char fill, int32_t width, int32_t value);
