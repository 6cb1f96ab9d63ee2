// Build-time tool: rasterises a TrueType face into the canvas's built-in Windows-1250 bitmap font.
// Usage: brunival-canvas-fontgen FONT.ttf PIXEL_SIZE OUTPUT.cpp
#include <ft2build.h>
#include FT_FREETYPE_H
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

// Must match kCanvasFontHeight in media/canvas_font.h; the generated file checks it.
constexpr int kCellHeight = 13;
constexpr int kMaxColumns = 32;

struct Glyph {
  int advance = 0;
  std::array<uint32_t, kCellHeight> rows{};
};

// The Unicode code point of a Windows-1250 byte, or 0 for control codes and unassigned bytes.
uint32_t CodePointOf(unsigned char byte) {
  if (byte < 0x20 || byte == 0x7F) return 0;
  if (byte < 0x80) return byte;
  iconv_t converter = iconv_open("UTF-32LE", "CP1250");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    std::cerr << "canvas_fontgen: no CP1250 converter\n";
    std::exit(1);
  }
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[4] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  size_t inLeft = 1, outLeft = 4;
  const size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1) || outLeft != 0) return 0;
  return out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<uint32_t>(out[3]) << 24);
}

// Loads and renders one glyph into the face's glyph slot.
FT_GlyphSlot Render(FT_Face face, uint32_t codePoint) {
  // Bytes with no character show the face's own missing-glyph box, as the platform does.
  const FT_UInt index = codePoint == 0 ? 0 : FT_Get_Char_Index(face, codePoint);
  // Monochrome rendering with the hinter keeps small strokes and accents crisp; grey rendering
  // cut at a threshold loses the thin acute accents at this size.
  if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
    std::cerr << "canvas_fontgen: cannot render U+" << std::hex << codePoint << "\n";
    std::exit(1);
  }
  return face->glyph;
}

Glyph Rasterise(FT_Face face, uint32_t codePoint, int baseline) {
  const FT_GlyphSlot slot = Render(face, codePoint);
  const FT_Bitmap& bitmap = slot->bitmap;
  Glyph glyph;
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  const int left = slot->bitmap_left > 0 ? slot->bitmap_left : 0;
  // A sign reaching past the cell (the underscore, the bar, l with acute) is moved inside it.
  const int rows = static_cast<int>(bitmap.rows);
  const int top = std::clamp(baseline - slot->bitmap_top, 0, std::max(kCellHeight - rows, 0));
  for (unsigned y = 0; y < bitmap.rows; ++y) {
    const int row = top + static_cast<int>(y);
    if (row < 0 || row >= kCellHeight) continue;
    const unsigned char* line = bitmap.buffer + static_cast<long>(y) * bitmap.pitch;
    for (unsigned x = 0; x < bitmap.width; ++x) {
      const int column = left + static_cast<int>(x);
      if (column >= kMaxColumns) break;
      if (line[x / 8] & (0x80 >> (x % 8))) glyph.rows[row] |= 1u << column;
    }
  }
  return glyph;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: canvas_fontgen FONT.ttf PIXEL_SIZE OUTPUT.cpp\n";
    return 2;
  }
  const int pixelSize = std::atoi(argv[2]);
  FT_Library library;
  FT_Face face;
  if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, argv[1], 0, &face) != 0 ||
      FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
    std::cerr << "canvas_fontgen: cannot open " << argv[1] << " at " << pixelSize << " px\n";
    return 1;
  }
  // The baseline sits as low as the letters' descenders allow, leaving the most room above it
  // for the accents on capitals.
  int descent = 0;
  for (const char letter : std::string("gjpqy")) {
    const FT_GlyphSlot slot = Render(face, static_cast<unsigned char>(letter));
    descent = std::max(descent, static_cast<int>(slot->bitmap.rows) - slot->bitmap_top);
  }
  const int baseline = kCellHeight - descent;

  std::ofstream out(argv[3]);
  out << "// Generated at build time by canvas_fontgen from " << argv[1] << " at " << pixelSize
      << " px; not kept in the repository.\n"
      << "#include \"media/canvas_font.h\"\n\n"
      << "static_assert(kCanvasFontHeight == " << kCellHeight << ");\n\n"
      << "namespace {\nconstexpr TCanvasGlyph kGlyphs[256] = {\n";
  for (int byte = 0; byte < 256; ++byte) {
    const Glyph glyph = Rasterise(face, CodePointOf(static_cast<unsigned char>(byte)), baseline);
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    out << "    {" << glyph.advance << ", {";
    for (int row = 0; row < kCellHeight; ++row) out << (row ? ", " : "") << glyph.rows[row];
    out << "}},  // " << hex << "\n";
  }
  out << "};\n}  // namespace\n\n"
      << "const TCanvasGlyph& CanvasGlyph(uint8_t code) { return kGlyphs[code]; }\n";
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  return out ? 0 : 1;
}
