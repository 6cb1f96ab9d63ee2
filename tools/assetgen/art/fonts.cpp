// The two bitmap fonts: glyph cells for codes 32..95, rasterised from a free face.
#include <cmath>

#include "art/palette.h"
#include "art/pictures.h"
#include "paint/glyphs.h"
#include "paint/shapes.h"

namespace {

constexpr int kFirstCode = 32;
constexpr int kGlyphCount = 64;  // codes 32..95
constexpr int kCellsPerRow = 16;

struct TCellGrid {
  int CellWidth, CellHeight;
  int Columns() const { return kCellsPerRow; }
  int Rows() const { return kGlyphCount / kCellsPerRow; }
  int Left(int index) const { return (index % kCellsPerRow) * CellWidth; }
  int Top(int index) const { return (index / kCellsPerRow) * CellHeight; }
};

// White glyph ink of every character, its ink centred in its cell on a common baseline.
TLayer GlyphSheet(TFontFace& face, const TCellGrid& grid, float baseline, bool skip(char32_t)) {
  TLayer sheet(grid.CellWidth * grid.Columns(), grid.CellHeight * grid.Rows());
  for (int i = 0; i < kGlyphCount; ++i) {
    const char32_t code = static_cast<char32_t>(kFirstCode + i);
    if (code == U' ' || skip(code)) continue;
    float inkLeft, inkRight;
    face.InkExtent(code, inkLeft, inkRight);
    const float pen = grid.Left(i) + (grid.CellWidth - (inkRight - inkLeft)) / 2 - inkLeft;
    TLayer cell(grid.CellWidth, grid.CellHeight);
    face.DrawText(cell, std::u32string(1, code), std::round(pen - grid.Left(i)), baseline);
    sheet.Over(cell, grid.Left(i), grid.Top(i));
  }
  return sheet;
}

bool NoSymbols(char32_t) {
  return false;
}
bool SmallFontSymbols(char32_t c) {
  return c == U'%' || c == U'&' || c == U'^' || c == U'_' || c == U'(' || c == U')';
}

// The keyboard and scroll symbols of the small font, drawn as shapes in an 11 x 14 cell.
void DrawSmallSymbols(TLayer& sheet, const TCellGrid& grid) {
  auto cell = [&](char c, auto distance, TShade colour) {
    const int index = c - kFirstCode;
    const float ox = static_cast<float>(grid.Left(index)), oy = static_cast<float>(grid.Top(index));
    sheet.Paint([&](float x, float y) { return distance(x - ox, y - oy); },
                [&](float, float) { return colour; });
  };
  // Delete: an arrow pointing left.
  cell(
      '%',
      [](float x, float y) {
        const float xs[3] = {0.8f, 5.5f, 5.5f}, ys[3] = {5.5f, 1.2f, 9.8f};
        return std::min(PolygonDistance(x, y, xs, ys),
                        SegmentDistance(x, y, 5, 5.5f, 10, 5.5f, 1.3f));
      },
      Rgb(255, 120, 100));
  // Finish: a tick.
  cell(
      '&',
      [](float x, float y) {
        return std::min(SegmentDistance(x, y, 1.5f, 5.5f, 4.2f, 8.6f, 1.2f),
                        SegmentDistance(x, y, 4.2f, 8.6f, 9.6f, 1.6f, 1.2f));
      },
      Rgb(120, 255, 140));
  // Parentheses: at this size the face's hinted one-bit curves kink in the middle and read as
  // braces, so they are drawn as smooth arcs in the text's colour.
  const TShade ink = Rgb(236, 242, 252);
  cell(
      '(',
      [](float x, float y) {
        const float xs[3] = {7.2f, 1.6f, 7.2f}, ys[3] = {0.8f, 6.8f, 12.8f};
        return TaperedCurveDistance(x, y, xs, ys, 0.85f, 0.85f);
      },
      ink);
  cell(
      ')',
      [](float x, float y) {
        const float xs[3] = {3.8f, 9.4f, 3.8f}, ys[3] = {0.8f, 6.8f, 12.8f};
        return TaperedCurveDistance(x, y, xs, ys, 0.85f, 0.85f);
      },
      ink);
  // Scroll markers: triangles up and down.
  cell(
      '^',
      [](float x, float y) {
        const float xs[3] = {5.5f, 10.0f, 1.0f}, ys[3] = {1.5f, 9.5f, 9.5f};
        return PolygonDistance(x, y, xs, ys);
      },
      Rgb(140, 215, 255));
  cell(
      '_',
      [](float x, float y) {
        const float xs[3] = {1.0f, 10.0f, 5.5f}, ys[3] = {1.5f, 1.5f, 9.5f};
        return PolygonDistance(x, y, xs, ys);
      },
      Rgb(140, 215, 255));
}

TPictureEntry FontEntry(const char* name, TPicture picture, const TCellGrid& grid) {
  TPictureEntry entry;
  entry.Name = name;
  entry.Picture = std::move(picture);
  entry.PatternWidth = grid.CellWidth;
  entry.PatternHeight = grid.CellHeight;
  entry.Transparent = true;
  entry.TransparentColor = clBlack;
  entry.Encoding = TPictureEncoding::Dib24;
  return entry;
}

}  // namespace

TPictureEntry MakeLargeFont() {
  // The centring of texts counts every large glyph as 31 pixels, and blended text is drawn
  // into squares of that side, so the cells are 31 x 31.
  const TCellGrid grid{31, 31};
  TFontFace face;
  face.SetPixelSize(29);
  TLayer ink = GlyphSheet(face, grid, 26, NoSymbols);

  TLayer glow = Dilated(ink, 1.0f).Blurred(3.0f);
  Tint(glow, [](float, float) { return kAccentCyan; });
  TLayer fill = ink;
  // Each cell runs from white at the top of the capitals to an icy blue at the baseline.
  Tint(fill, [&](float, float y) {
    const float t = std::clamp((std::fmod(y, 31.0f) - 5.0f) / 21.0f, 0.0f, 1.0f);
    return Mix(Rgb(255, 255, 255), Rgb(110, 200, 255), t * t);
  });
  TLayer out(ink.Width(), ink.Height());
  out.Over(glow, 0, 0, 0.55f);
  out.Over(fill);
  return FontEntry("font1", FlattenKeyed(out, kTextBackdrop, kKeyPixel, 0.10f), grid);
}

TPictureEntry MakeSmallFont() {
  // Eleven-pixel cells fill the 49-character rows of the information and hall-of-fame panels.
  const TCellGrid grid{11, 14};
  TFontFace face;
  face.SetMonochrome(true);
  face.SetPixelSize(12);
  TLayer ink = GlyphSheet(face, grid, 10, SmallFontSymbols);
  Tint(ink, [](float, float) { return Rgb(236, 242, 252); });
  DrawSmallSymbols(ink, grid);
  return FontEntry("font2", FlattenKeyed(ink, kTextBackdrop, kKeyPixel, 0.12f), grid);
}
