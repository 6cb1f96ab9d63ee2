// Windows-1250 encoding of Unicode text for names stored as wide or UTF-8 strings; name matching.
#include "media/container_text.h"

#include <algorithm>
#include <array>

namespace {

// Code points of Windows-1250 bytes $80..$FF; 0 marks a byte with no character.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr char32_t kInvalid = 0xFFFFFFFF;

char ToWindows1250(char32_t code) {
  if (code < 0x80) return static_cast<char>(code);
  for (size_t i = 0; i < kHighHalf.size(); ++i) {
    if (kHighHalf[i] == code) return static_cast<char>(0x80 + i);
  }
  return '?';
}

bool IsContinuation(uint8_t byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes one UTF-8 sequence at bytes[i], advancing i; kInvalid for a malformed one.
char32_t NextUtf8(std::span<const uint8_t> bytes, size_t& i) {
  const uint8_t lead = bytes[i++];
  if (lead < 0x80) return lead;
  int extra;
  char32_t code;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    code = lead & 0x07;
  } else {
    return kInvalid;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= bytes.size() || !IsContinuation(bytes[i])) return kInvalid;
    code = (code << 6) | (bytes[i++] & 0x3F);
  }
  return code;
}

}  // namespace

std::string Utf16ToWindows1250(std::span<const uint8_t> units) {
  std::string text;
  text.reserve(units.size() / 2);
  for (size_t i = 0; i + 1 < units.size(); i += 2) {
    const char32_t unit = units[i] | (units[i + 1] << 8);
    if (unit >= 0xD800 && unit <= 0xDFFF) {
      // Nothing beyond the basic plane is in Windows-1250: a surrogate pair is one '?'.
      const bool pairFollows =
          unit < 0xDC00 && i + 3 < units.size() && (units[i + 3] & 0xFC) == 0xDC;
      if (pairFollows) i += 2;
      text.push_back('?');
      continue;
    }
    text.push_back(ToWindows1250(unit));
  }
  return text;
}

std::string Utf8ToWindows1250(std::span<const uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) text.push_back(ToWindows1250(NextUtf8(bytes, i)));
  return text;
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}
