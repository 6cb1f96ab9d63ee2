// FreeType glyph rendering into layers.
#include "paint/glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

struct TFontFace::TImpl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

TFontFace::TFontFace(const std::string& path) : impl_(std::make_unique<TImpl>()) {
  if (FT_Init_FreeType(&impl_->library) != 0) throw std::runtime_error("FreeType did not start");
  if (FT_New_Face(impl_->library, path.c_str(), 0, &impl_->face) != 0) {
    FT_Done_FreeType(impl_->library);
    throw std::runtime_error("cannot open font " + path);
  }
}

TFontFace::~TFontFace() {
  FT_Done_Face(impl_->face);
  FT_Done_FreeType(impl_->library);
}

void TFontFace::SetPixelSize(int pixels) {
  FT_Set_Pixel_Sizes(impl_->face, 0, pixels);
}

float TFontFace::Advance(char32_t code) {
  if (FT_Load_Char(impl_->face, code, FT_LOAD_DEFAULT) != 0) return 0;
  return impl_->face->glyph->advance.x / 64.0f;
}

float TFontFace::TextWidth(const std::u32string& text, float tracking) {
  float width = 0;
  for (char32_t c : text) width += Advance(c) + tracking;
  return text.empty() ? 0 : width - tracking;
}

float TFontFace::CapHeight() {
  if (FT_Load_Char(impl_->face, U'H', FT_LOAD_DEFAULT) != 0) return 0;
  return impl_->face->glyph->metrics.horiBearingY / 64.0f;
}

void TFontFace::InkExtent(char32_t code, float& left, float& right) {
  left = right = 0;
  if (FT_Load_Char(impl_->face, code, FT_LOAD_DEFAULT) != 0) return;
  const FT_Glyph_Metrics& m = impl_->face->glyph->metrics;
  left = m.horiBearingX / 64.0f;
  right = left + m.width / 64.0f;
}

void TFontFace::DrawText(TLayer& layer, const std::u32string& text, float x, float baseline,
                         float tracking) {
  FT_Face face = impl_->face;
  for (char32_t c : text) {
    // Sub-pixel pen positions through the outline offset keep tracked text evenly spaced.
    const float penX = std::floor(x), penY = std::floor(baseline);
    FT_Vector shift{static_cast<FT_Pos>(std::lround((x - penX) * 64)),
                    static_cast<FT_Pos>(-std::lround((baseline - penY) * 64))};
    FT_Set_Transform(face, nullptr, &shift);
    const FT_Int32 flags = mono_     ? FT_LOAD_RENDER | FT_LOAD_TARGET_MONO
                           : hinted_ ? FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT
                                     : FT_LOAD_RENDER | FT_LOAD_NO_HINTING;
    if (FT_Load_Char(face, c, flags) == 0) {
      const FT_GlyphSlot g = face->glyph;
      const FT_Bitmap& bm = g->bitmap;
      for (unsigned row = 0; row < bm.rows; ++row) {
        for (unsigned col = 0; col < bm.width; ++col) {
          const uint8_t* line = bm.buffer + static_cast<ptrdiff_t>(row) * bm.pitch;
          const float coverage = bm.pixel_mode == FT_PIXEL_MODE_MONO
                                     ? ((line[col / 8] >> (7 - col % 8)) & 1)
                                     : line[col] / 255.0f;
          if (coverage <= 0) continue;
          layer.Blend(static_cast<int>(penX) + g->bitmap_left + static_cast<int>(col),
                      static_cast<int>(penY) - g->bitmap_top + static_cast<int>(row),
                      TShade{1, 1, 1, 1}, coverage);
        }
      }
      x += g->advance.x / 64.0f + tracking;
    }
  }
  FT_Set_Transform(face, nullptr, nullptr);
}

TLayer Dilated(const TLayer& layer, float radius) {
  TLayer out(layer.Width(), layer.Height());
  const int reach = static_cast<int>(std::ceil(radius + 1));
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      float best = 0;
      for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
          const int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= layer.Width() || sy >= layer.Height()) continue;
          // Soft falloff over the last pixel keeps the grown edge anti-aliased.
          const float weight = std::clamp(
              radius + 1 - std::hypot(static_cast<float>(dx), static_cast<float>(dy)), 0.0f, 1.0f);
          best = std::max(best, layer.At(sx, sy).A * weight);
        }
      }
      out.At(x, y) = {best, best, best, best};
    }
  }
  return out;
}
