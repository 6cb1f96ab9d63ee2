// Temporary stand-ins so the tree links; replaced by the text helpers.
#include "text/font_text.h"
#include "text/strings.h"

void DrawFontText(const std::string&, int32_t, int32_t, std::string) {}
void DrawFontTextAlpha(const std::string&, int32_t, int32_t, std::string, uint8_t) {}
std::string UpperCaseAscii(std::string text) { return text; }
std::string ReplaceChar(std::string text, char, char) { return text; }
std::string IntToText(int32_t value) { return std::to_string(value); }
int32_t TextToInt(const std::string&) { return 0; }
std::string IntToPadded(char, int32_t, int32_t value) { return std::to_string(value); }
