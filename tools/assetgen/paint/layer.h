// A floating-point RGBA painting layer: shapes with analytic anti-aliasing, glows, compositing.
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "media/picture_list.h"

// Straight (not premultiplied) colour with 0..1 channels.
struct TShade {
  float R = 0, G = 0, B = 0, A = 1;
};

inline TShade Rgb(int r, int g, int b, float a = 1.0f) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}
inline TShade Mix(const TShade& x, const TShade& y, float t) {
  return {x.R + (y.R - x.R) * t, x.G + (y.G - x.G) * t, x.B + (y.B - x.B) * t,
          x.A + (y.A - x.A) * t};
}
inline TShade Scaled(const TShade& c, float k) {
  return {c.R * k, c.G * k, c.B * k, c.A};
}

// Premultiplied pixel.
struct TPremul {
  float R = 0, G = 0, B = 0, A = 0;
};

class TLayer {
 public:
  TLayer(int width, int height) : width_(width), height_(height), pixels_(width * height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPremul& At(int x, int y) { return pixels_[y * width_ + x]; }
  const TPremul& At(int x, int y) const { return pixels_[y * width_ + x]; }

  // Puts a straight colour over the pixel with the given coverage.
  void Blend(int x, int y, const TShade& c, float coverage);

  // Paints a shape: `distance(px, py)` is its signed distance in pixels (negative inside),
  // `shade(px, py)` its colour there. Pixel centres sit at half-integer coordinates.
  template <class Distance, class Shader>
  void Paint(Distance distance, Shader shade) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const float px = x + 0.5f, py = y + 0.5f;
        const float coverage = std::clamp(0.5f - distance(px, py), 0.0f, 1.0f);
        if (coverage > 0) Blend(x, y, shade(px, py), coverage);
      }
    }
  }

  // Adds light: colour times intensity is added to the premultiplied channels (glows).
  void AddLight(int x, int y, const TShade& c, float intensity);

  // Puts another layer over this one with its top-left corner at (dx, dy).
  void Over(const TLayer& top, int dx = 0, int dy = 0, float opacity = 1.0f);
  // Adds another layer's light (its premultiplied colour) to this one.
  void Add(const TLayer& light, float gain = 1.0f);

  // Three box passes approximate a gaussian of the given radius.
  TLayer Blurred(float radius) const;
  TLayer Cropped(int left, int top, int width, int height) const;
  // The layer turned a quarter turn counter-clockwise (text running upwards).
  TLayer RotatedLeft() const;

 private:
  int width_, height_;
  std::vector<TPremul> pixels_;
};

// Packs a $00RRGGBB pixel.
constexpr uint32_t PackPixel(int r, int g, int b) {
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
         static_cast<uint32_t>(b);
}

// The layer composited over `background`; opaque throughout.
TPicture Flatten(const TLayer& layer, uint32_t background);

// The layer for drawing with a colour key: pixels whose coverage is below `cutoff` become the
// key, the others are composited over `background` (the colour the picture will be drawn on,
// so anti-aliased edges leave no fringe) and nudged off the key when they would equal it.
TPicture FlattenKeyed(const TLayer& layer, uint32_t background, uint32_t key, float cutoff = 0.08f);
