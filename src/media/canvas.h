// A canvas with the drawing semantics of the classic Windows GDI, drawing onto one surface.
#pragma once
#include <cstdint>
#include <string>

#include "media/color.h"

class TDirectDrawSurface;

enum TBrushStyle : uint8_t { bsSolid, bsClear };

struct TPen {
  TColor Color = clBlack;
};
struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};
struct TFont {
  TColor Color = clWindowText;
};

class TDirectDrawSurfaceCanvas {
 public:
  explicit TDirectDrawSurfaceCanvas(TDirectDrawSurface& surface) : surface_(surface) {}

  TPen Pen;
  TBrush Brush;
  TFont Font;

  // Outline with the pen, interior with the brush; right and bottom edges excluded.
  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void MoveTo(int32_t x, int32_t y);
  // Draws from the current position to (x, y), the end point itself excluded.
  void LineTo(int32_t x, int32_t y);
  // Windows-1250 text in the canvas's own built-in font, top-left corner at (x, y).
  void TextOut(int32_t x, int32_t y, const std::string& text);
  // Ends a run of canvas drawing.
  void Release();

 private:
  TDirectDrawSurface& surface_;
  int32_t penX_ = 0;
  int32_t penY_ = 0;
};
