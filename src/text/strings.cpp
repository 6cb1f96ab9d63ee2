// String helpers of the game: ASCII upper case, character replacement and number texts.
#include "text/strings.h"

#include <algorithm>
#include <limits>

std::string UpperCaseAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  }
  return text;
}

std::string ReplaceChar(std::string text, char from, char to) {
  if (from == to) return text;
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

std::string IntToText(int32_t value) {
  return std::to_string(value);
}

namespace {
int DigitValue(char c, int base) {
  int digit = -1;
  if (c >= '0' && c <= '9') {
    digit = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    digit = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    digit = c - 'A' + 10;
  }
  return digit < base ? digit : -1;
}
}  // namespace

int32_t TextToInt(const std::string& text) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  int base = 10;
  if (pos < text.size() && text[pos] == '$') {
    base = 16;
    ++pos;
  }
  if (pos == text.size()) return 0;  // no digits at all

  // The magnitude is gathered in 64 bits and checked digit by digit, so no text can overflow it.
  const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                 : std::numeric_limits<int32_t>::max();
  int64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = DigitValue(text[pos], base);
    if (digit < 0) return 0;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return 0;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::string IntToPadded(char fill, int32_t width, int32_t value) {
  std::string text = IntToText(value);
  if (width > static_cast<int32_t>(text.size())) text.insert(0, width - text.size(), ' ');
  // Only after aligning: a negative value gets the fill before its minus sign.
  return ReplaceChar(std::move(text), ' ', fill);
}
