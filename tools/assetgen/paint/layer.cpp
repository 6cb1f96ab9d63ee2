// Compositing, blurring and flattening of painting layers.
#include "paint/layer.h"

#include <cmath>

void TLayer::Blend(int x, int y, const TShade& c, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const float a = std::clamp(coverage * c.A, 0.0f, 1.0f);
  TPremul& p = At(x, y);
  p.R = c.R * a + p.R * (1 - a);
  p.G = c.G * a + p.G * (1 - a);
  p.B = c.B * a + p.B * (1 - a);
  p.A = a + p.A * (1 - a);
}

void TLayer::AddLight(int x, int y, const TShade& c, float intensity) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  TPremul& p = At(x, y);
  const float a = std::clamp(intensity * c.A, 0.0f, 1.0f);
  p.R += c.R * a;
  p.G += c.G * a;
  p.B += c.B * a;
  p.A = std::min(1.0f, p.A + a);
}

void TLayer::Over(const TLayer& top, int dx, int dy, float opacity) {
  for (int y = 0; y < top.height_; ++y) {
    for (int x = 0; x < top.width_; ++x) {
      const int tx = x + dx, ty = y + dy;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      const TPremul& s = top.At(x, y);
      TPremul& d = At(tx, ty);
      const float k = 1 - s.A * opacity;
      d.R = s.R * opacity + d.R * k;
      d.G = s.G * opacity + d.G * k;
      d.B = s.B * opacity + d.B * k;
      d.A = s.A * opacity + d.A * k;
    }
  }
}

void TLayer::Add(const TLayer& light, float gain) {
  const int w = std::min(width_, light.width_), h = std::min(height_, light.height_);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const TPremul& s = light.At(x, y);
      TPremul& d = At(x, y);
      d.R += s.R * gain;
      d.G += s.G * gain;
      d.B += s.B * gain;
      d.A = std::min(1.0f, d.A + s.A * gain);
    }
  }
}

namespace {

// One box pass along rows (step 1) or columns (step width) with edge clamping.
void BoxPass(std::vector<TPremul>& data, int count, int lines, int along, int across, int radius) {
  std::vector<TPremul> line(count);
  const float norm = 1.0f / (2 * radius + 1);
  for (int l = 0; l < lines; ++l) {
    for (int i = 0; i < count; ++i) line[i] = data[l * across + i * along];
    TPremul sum;
    for (int i = -radius; i <= radius; ++i) {
      const TPremul& p = line[std::clamp(i, 0, count - 1)];
      sum.R += p.R, sum.G += p.G, sum.B += p.B, sum.A += p.A;
    }
    for (int i = 0; i < count; ++i) {
      TPremul& out = data[l * across + i * along];
      out = {sum.R * norm, sum.G * norm, sum.B * norm, sum.A * norm};
      const TPremul& add = line[std::min(i + radius + 1, count - 1)];
      const TPremul& sub = line[std::max(i - radius, 0)];
      sum.R += add.R - sub.R, sum.G += add.G - sub.G;
      sum.B += add.B - sub.B, sum.A += add.A - sub.A;
    }
  }
}

}  // namespace

TLayer TLayer::Blurred(float radius) const {
  TLayer out = *this;
  const int box = std::max(1, static_cast<int>(std::lround(radius / 1.7f)));
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(out.pixels_, width_, height_, 1, width_, box);
    BoxPass(out.pixels_, height_, width_, width_, 1, box);
  }
  return out;
}

TLayer TLayer::Cropped(int left, int top, int width, int height) const {
  TLayer out(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int sx = x + left, sy = y + top;
      if (sx >= 0 && sy >= 0 && sx < width_ && sy < height_) out.At(x, y) = At(sx, sy);
    }
  }
  return out;
}

TLayer TLayer::RotatedLeft() const {
  TLayer out(height_, width_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) out.At(y, width_ - 1 - x) = At(x, y);
  }
  return out;
}

namespace {

int ToByte(float v) {
  return std::clamp(static_cast<int>(std::lround(v * 255.0f)), 0, 255);
}

uint32_t Composite(const TPremul& p, uint32_t background) {
  const float k = 1 - std::clamp(p.A, 0.0f, 1.0f);
  const float br = ((background >> 16) & 255) / 255.0f;
  const float bg = ((background >> 8) & 255) / 255.0f;
  const float bb = (background & 255) / 255.0f;
  return PackPixel(ToByte(p.R + br * k), ToByte(p.G + bg * k), ToByte(p.B + bb * k));
}

}  // namespace

TPicture Flatten(const TLayer& layer, uint32_t background) {
  TPicture picture{layer.Width(), layer.Height(), {}};
  picture.Pixels.reserve(static_cast<size_t>(layer.Width()) * layer.Height());
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      picture.Pixels.push_back(Composite(layer.At(x, y), background));
    }
  }
  return picture;
}

TPicture FlattenKeyed(const TLayer& layer, uint32_t background, uint32_t key, float cutoff) {
  TPicture picture = Flatten(layer, background);
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      uint32_t& pixel = picture.Pixels[static_cast<size_t>(y) * layer.Width() + x];
      if (layer.At(x, y).A < cutoff) {
        pixel = key;
      } else if (pixel == key) {
        // Visually the same colour, but no longer see-through.
        pixel ^= 1;
      }
    }
  }
  return picture;
}
