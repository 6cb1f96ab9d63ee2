// A 32-bit X8R8G8B8 pixel rectangle: the back surface and the pictures' own surfaces.
#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TDirectDrawSurfaceCanvas;

class TDirectDrawSurface {
 public:
  TDirectDrawSurface();
  TDirectDrawSurface(int32_t width, int32_t height);
  ~TDirectDrawSurface();
  TDirectDrawSurface(TDirectDrawSurface&&) noexcept;
  TDirectDrawSurface& operator=(TDirectDrawSurface&&) noexcept;

  void SetSize(int32_t width, int32_t height);
  // Resizes and takes the given pixels with only their colour bits; pixels the source lacks
  // are black. Writes each pixel once, which matters for fresh memory.
  void Assign(int32_t width, int32_t height, std::span<const uint32_t> source);
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  uint32_t* Pixels() { return pixels_.data(); }
  const uint32_t* Pixels() const { return pixels_.data(); }
  uint32_t* Row(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

  // Raw pixel skipped by transparent draws from this surface.
  uint32_t ColorKey = 0;

  void Fill(uint32_t pixel);

  // Created on first request and kept for the life of the surface.
  TDirectDrawSurfaceCanvas& Canvas();

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> pixels_;
  std::unique_ptr<TDirectDrawSurfaceCanvas> canvas_;
};
