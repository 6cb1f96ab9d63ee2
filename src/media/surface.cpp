// Surface storage and fill.
#include "media/surface.h"

#include <algorithm>
#include <cstring>

#include "media/canvas.h"

TDirectDrawSurface::TDirectDrawSurface() = default;
TDirectDrawSurface::TDirectDrawSurface(int32_t width, int32_t height) {
  SetSize(width, height);
}
TDirectDrawSurface::~TDirectDrawSurface() = default;
TDirectDrawSurface::TDirectDrawSurface(TDirectDrawSurface&& other) noexcept
    : ColorKey(other.ColorKey),
      width_(other.width_),
      height_(other.height_),
      pixels_(std::move(other.pixels_)) {
  other.width_ = other.height_ = 0;
}
TDirectDrawSurface& TDirectDrawSurface::operator=(TDirectDrawSurface&& other) noexcept {
  ColorKey = other.ColorKey;
  width_ = other.width_;
  height_ = other.height_;
  pixels_ = std::move(other.pixels_);
  // The canvas draws on this surface, whatever its pixels, so it keeps its settings.
  other.width_ = other.height_ = 0;
  return *this;
}

void TDirectDrawSurface::SetSize(int32_t width, int32_t height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<size_t>(width_) * height_, 0);
}

void TDirectDrawSurface::Assign(int32_t width, int32_t height, std::span<const uint32_t> source) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  const size_t count = static_cast<size_t>(width_) * height_;
  pixels_.clear();
  pixels_.reserve(count);
  for (const uint32_t pixel : source.first(std::min(count, source.size()))) {
    pixels_.push_back(pixel & 0xFFFFFF);
  }
  pixels_.resize(count, 0);
}

void TDirectDrawSurface::Fill(uint32_t pixel) {
  // The game clears to black every frame; memset is the fastest way to write the same byte.
  if (pixel == 0) {
    if (!pixels_.empty()) std::memset(pixels_.data(), 0, pixels_.size() * sizeof(uint32_t));
    return;
  }
  std::fill(pixels_.begin(), pixels_.end(), pixel);
}

TDirectDrawSurfaceCanvas& TDirectDrawSurface::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TDirectDrawSurfaceCanvas>(*this);
  return *canvas_;
}
