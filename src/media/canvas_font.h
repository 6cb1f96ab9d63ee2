// The canvas's own font: a small sans-serif bitmap face for Windows-1250 text, built into the
// program.
#pragma once
#include <cstdint>

// Every glyph cell is this many rows high; TextOut's background box has the same height.
constexpr int32_t kCanvasFontHeight = 13;

struct TCanvasGlyph {
  // Pen movement after the glyph, in pixels.
  uint8_t Advance;
  // One row per cell line, top first; bit c set = column c from the pen position is inked.
  uint32_t Rows[kCanvasFontHeight];
};

// The glyph of one Windows-1250 byte; bytes without a character show an empty box.
const TCanvasGlyph& CanvasGlyph(uint8_t code);
