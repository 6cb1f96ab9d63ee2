// Canvas primitives on a surface: rectangles, ellipses, lines and text, clipped to the surface.
#include "media/canvas.h"

#include <algorithm>
#include <cmath>

#include "media/canvas_font.h"
#include "media/surface.h"

namespace {

// Fills columns [x1, x2) of row y, whatever part of them lies on the surface.
void FillRow(TDirectDrawSurface& surface, int64_t x1, int64_t x2, int64_t y, uint32_t pixel) {
  if (y < 0 || y >= surface.Height()) return;
  x1 = std::max<int64_t>(x1, 0);
  x2 = std::min<int64_t>(x2, surface.Width());
  if (x1 >= x2) return;
  std::fill(surface.Row(static_cast<int32_t>(y)) + x1, surface.Row(static_cast<int32_t>(y)) + x2,
            pixel);
}

void FillBox(TDirectDrawSurface& surface, int64_t x1, int64_t y1, int64_t x2, int64_t y2,
             uint32_t pixel) {
  y1 = std::max<int64_t>(y1, 0);
  y2 = std::min<int64_t>(y2, surface.Height());
  for (int64_t y = y1; y < y2; ++y) FillRow(surface, x1, x2, y, pixel);
}

void PutPixel(TDirectDrawSurface& surface, int64_t x, int64_t y, uint32_t pixel) {
  if (x < 0 || y < 0 || x >= surface.Width() || y >= surface.Height()) return;
  surface.Row(static_cast<int32_t>(y))[x] = pixel;
}

// Orders a bounding box the way the platform does, so (x2, y2) may lie left of or above (x1, y1).
struct TBox {
  int64_t Left, Top, Right, Bottom;
};
TBox NormalizedBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// The columns of row y inside the ellipse inscribed in the box, as [first, last]; empty when
// first > last. A pixel belongs when its centre lies inside the ellipse.
struct TSpan {
  int64_t First, Last;
};
TSpan EllipseRow(const TBox& box, int64_t y) {
  const double radiusX = (box.Right - box.Left) / 2.0;
  const double radiusY = (box.Bottom - box.Top) / 2.0;
  const double centreX = (box.Left + box.Right) / 2.0;
  const double centreY = (box.Top + box.Bottom) / 2.0;
  const double dy = (y + 0.5 - centreY) / radiusY;
  if (y < box.Top || y >= box.Bottom || dy * dy > 1.0) return {1, 0};
  const double halfWidth = radiusX * std::sqrt(1.0 - dy * dy);
  return {static_cast<int64_t>(std::ceil(centreX - halfWidth - 0.5)),
          static_cast<int64_t>(std::floor(centreX + halfWidth - 0.5))};
}

bool Inside(const TSpan& span, int64_t x) {
  return x >= span.First && x <= span.Last;
}

}  // namespace

void TDirectDrawSurfaceCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const TBox box = NormalizedBox(x1, y1, x2, y2);
  if (box.Left == box.Right || box.Top == box.Bottom) return;
  if (Brush.Style == bsSolid) {
    FillBox(surface_, box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1,
            ColorToPixel(Brush.Color));
  }
  const uint32_t pen = ColorToPixel(Pen.Color);
  FillRow(surface_, box.Left, box.Right, box.Top, pen);
  FillRow(surface_, box.Left, box.Right, box.Bottom - 1, pen);
  FillBox(surface_, box.Left, box.Top, box.Left + 1, box.Bottom, pen);
  FillBox(surface_, box.Right - 1, box.Top, box.Right, box.Bottom, pen);
}

void TDirectDrawSurfaceCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const TBox box = NormalizedBox(x1, y1, x2, y2);
  if (box.Left == box.Right || box.Top == box.Bottom) return;
  const uint32_t pen = ColorToPixel(Pen.Color);
  const uint32_t brush = ColorToPixel(Brush.Color);
  const int64_t firstRow = std::max<int64_t>(box.Top, 0);
  const int64_t endRow = std::min<int64_t>(box.Bottom, surface_.Height());
  for (int64_t y = firstRow; y < endRow; ++y) {
    const TSpan above = EllipseRow(box, y - 1);
    const TSpan row = EllipseRow(box, y);
    const TSpan below = EllipseRow(box, y + 1);
    const int64_t first = std::max<int64_t>(row.First, 0);
    const int64_t last = std::min<int64_t>(row.Last, surface_.Width() - 1);
    for (int64_t x = first; x <= last; ++x) {
      // The outline is every inside pixel with an outside neighbour, so it is closed.
      const bool edge = x == row.First || x == row.Last || !Inside(above, x) || !Inside(below, x);
      if (edge) {
        PutPixel(surface_, x, y, pen);
      } else if (Brush.Style == bsSolid) {
        PutPixel(surface_, x, y, brush);
      }
    }
  }
}

void TDirectDrawSurfaceCanvas::MoveTo(int32_t x, int32_t y) {
  penX_ = x;
  penY_ = y;
}

void TDirectDrawSurfaceCanvas::LineTo(int32_t x, int32_t y) {
  const int64_t dx = static_cast<int64_t>(x) - penX_;
  const int64_t dy = static_cast<int64_t>(y) - penY_;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const int64_t majorStart = xMajor ? penX_ : penY_;
  const int64_t minorStart = xMajor ? penY_ : penX_;
  const int64_t majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int64_t minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int64_t majorLimit = xMajor ? surface_.Width() : surface_.Height();
  // Step i is at major offset i; only the steps whose major coordinate is on the surface are
  // walked, so a line from far off the surface costs no more than one across it.
  int64_t firstStep = 0, endStep = major;
  if (majorSign > 0) {
    firstStep = std::max<int64_t>(firstStep, -majorStart);
    endStep = std::min<int64_t>(endStep, majorLimit - majorStart);
  } else {
    firstStep = std::max<int64_t>(firstStep, majorStart - (majorLimit - 1));
    endStep = std::min<int64_t>(endStep, majorStart + 1);
  }
  const uint32_t pen = ColorToPixel(Pen.Color);
  for (int64_t i = firstStep; i < endStep; ++i) {
    // The minor offset is i * minor / major rounded to the nearest pixel.
    // 128-bit because a line between far-off int32 points can overflow 64 bits here.
    const auto minorOffset =
        static_cast<int64_t>((__int128{2} * i * minor + major) / (__int128{2} * major));
    const int64_t a = majorStart + majorSign * i;
    const int64_t b = minorStart + minorSign * minorOffset;
    if (xMajor) {
      PutPixel(surface_, a, b, pen);
    } else {
      PutPixel(surface_, b, a, pen);
    }
  }
  penX_ = x;
  penY_ = y;
}

void TDirectDrawSurfaceCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
  int64_t width = 0;
  for (const char c : text) width += CanvasGlyph(static_cast<uint8_t>(c)).Advance;
  if (Brush.Style == bsSolid) {
    FillBox(surface_, x, y, static_cast<int64_t>(x) + width,
            static_cast<int64_t>(y) + kCanvasFontHeight, ColorToPixel(Brush.Color));
  }
  const uint32_t ink = ColorToPixel(Font.Color);
  int64_t penX = x;
  for (const char c : text) {
    const TCanvasGlyph& glyph = CanvasGlyph(static_cast<uint8_t>(c));
    if (penX >= surface_.Width()) break;
    for (int32_t row = 0; row < kCanvasFontHeight; ++row) {
      for (uint32_t bits = glyph.Rows[row], column = 0; bits != 0; bits >>= 1, ++column) {
        if (bits & 1) PutPixel(surface_, penX + column, static_cast<int64_t>(y) + row, ink);
      }
    }
    penX += glyph.Advance;
  }
}

// Drawing goes straight to the surface's pixels, so there is nothing to hand back.
void TDirectDrawSurfaceCanvas::Release() {}
