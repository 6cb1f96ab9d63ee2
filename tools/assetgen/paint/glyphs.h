// Text rasterised with FreeType into painting layers (white, alpha = anti-aliased coverage).
#pragma once
#include <memory>
#include <string>

#include "paint/layer.h"

// The freely licensed face every generated text is drawn with.
inline constexpr const char* kDefaultFontFile =
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

class TFontFace {
 public:
  // Throws std::runtime_error when the face cannot be opened.
  explicit TFontFace(const std::string& path = kDefaultFontFile);
  ~TFontFace();
  TFontFace(const TFontFace&) = delete;
  TFontFace& operator=(const TFontFace&) = delete;

  void SetPixelSize(int pixels);
  // Hinted glyphs are crisper at small sizes; unhinted ones keep their true shapes.
  void SetHinting(bool hinted) { hinted_ = hinted; }
  // One-bit glyphs from the face's own hinting: crisp at small sizes and safe to overdraw.
  void SetMonochrome(bool mono) { mono_ = mono; }
  // Horizontal advance of a character in pixels, and of a whole text with extra tracking.
  float Advance(char32_t code);
  float TextWidth(const std::u32string& text, float tracking = 0);
  // Height of the capital letters above the baseline, in pixels.
  float CapHeight();

  // Draws `text` in white with its first pen position at (x, baseline).
  void DrawText(TLayer& layer, const std::u32string& text, float x, float baseline,
                float tracking = 0);
  // Horizontal extent of a character's ink relative to the pen position.
  void InkExtent(char32_t code, float& left, float& right);

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
  bool hinted_ = false;
  bool mono_ = false;
};

// Gives every pixel of `layer` the colour `shade(x, y)` while keeping its alpha.
template <class Shader>
void Tint(TLayer& layer, Shader shade) {
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      TPremul& p = layer.At(x, y);
      const TShade c = shade(x + 0.5f, y + 0.5f);
      p = {c.R * p.A, c.G * p.A, c.B * p.A, p.A};
    }
  }
}

// A solid silhouette of the layer's alpha grown by `radius` pixels (for outlines).
TLayer Dilated(const TLayer& layer, float radius);
