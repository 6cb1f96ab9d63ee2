// Where each character of a bitmap-font text goes: one pattern per character, fixed advance.
#pragma once
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// Upper-cases the text and draws vertical bars with the backslash glyph.
std::string PrepareFontText(std::string text);

// Pattern p of a font holds the glyph of character code p + 32.
constexpr int32_t kFirstFontCode = 32;

// Calls place(patternIndex, left) for every character of an already prepared text that has a
// glyph in a font of patternCount patterns. A character without a glyph still takes its
// advance, so the glyphs after it keep their places.
template <class Place>
void PlaceGlyphs(std::string_view text, int32_t x, int32_t advance, int32_t patternCount,
                 Place&& place) {
  for (size_t i = 0; i < text.size(); ++i) {
    const int32_t pattern = static_cast<uint8_t>(text[i]) - kFirstFontCode;
    if (pattern < 0 || pattern >= patternCount) continue;
    const int64_t left = x + static_cast<int64_t>(i) * advance;
    // A glyph whose place does not fit the coordinate type is far off any surface.
    if (left < std::numeric_limits<int32_t>::min() || left > std::numeric_limits<int32_t>::max())
      continue;
    place(pattern, static_cast<int32_t>(left));
  }
}
