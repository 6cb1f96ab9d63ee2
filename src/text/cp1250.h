// Windows-1250, the code page of every text the game shows: Czech constants written readably in the
// UTF-8 source become code-page bytes at compile time; code-page texts become UTF-8 for the
// outside.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cp1250 {

// Unicode code points of the bytes 0x80..0xFF; 0xFFFD where the code page defines no character.
inline constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

constexpr char32_t ToUnicode(uint8_t byte) {
  return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

// The code-page byte of a code point, or -1 when the code page has none.
constexpr int FromUnicode(char32_t code) {
  if (code < 0x80) return static_cast<int>(code);
  if (code == 0xFFFD) return -1;
  for (size_t i = 0; i < kHighHalf.size(); ++i) {
    if (kHighHalf[i] == code) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// Decodes one UTF-8 sequence starting at text[pos]; advances pos. Returns 0xFFFD for a malformed
// or truncated sequence (consuming one byte), so a bad input can never run past its end.
constexpr char32_t DecodeUtf8(std::string_view text, size_t& pos) {
  const auto lead = static_cast<uint8_t>(text[pos++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t code = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, code = lead & 0x07;
  } else {
    return 0xFFFD;
  }
  for (int i = 0; i < extra; ++i) {
    const auto next = pos + i < text.size() ? static_cast<uint8_t>(text[pos + i]) : 0;
    if ((next & 0xC0) != 0x80) {
      pos += i;  // the broken sequence counts as one character; the next byte starts afresh
      return 0xFFFD;
    }
    code = (code << 6) | (next & 0x3F);
  }
  pos += extra;
  return code;
}

// A UTF-8 string literal turned into code-page bytes while compiling; a character the code page
// cannot hold stops the compilation.
template <size_t N>
struct TLiteral {
  std::array<char, N> Bytes{};
  size_t Size = 0;

  consteval TLiteral(const char (&utf8)[N]) {  // NOLINT: implicit on purpose, for the literal
    const std::string_view text(utf8, N - 1);
    size_t pos = 0;
    while (pos < text.size()) {
      const int byte = FromUnicode(DecodeUtf8(text, pos));
      if (byte < 0) throw "character outside Windows-1250";
      Bytes[Size++] = static_cast<char>(byte);
    }
  }
  constexpr std::string_view View() const { return {Bytes.data(), Size}; }
};

}  // namespace cp1250

// "Chyba při načítání"_cp1250 is the Windows-1250 spelling of the text, as a std::string_view
// into storage that lives for the whole program.
template <cp1250::TLiteral Text>
constexpr std::string_view operator""_cp1250() {
  return Text.View();
}

// Windows-1250 bytes to UTF-8; bytes the code page leaves undefined become U+FFFD.
std::string Cp1250ToUtf8(std::string_view text);
// UTF-8 to Windows-1250; characters the code page cannot hold (and malformed input) become '?'.
std::string Utf8ToCp1250(std::string_view text);
