// Test fixture for picture drawing: a display over a do-nothing back end and pictures made to
// order.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "media/display.h"
#include "media/picture_list.h"
#include "media/surface.h"
#include "platform/backend.h"

class NullDisplayBackend : public IDisplayBackend {
 public:
  bool Open(int32_t, int32_t, bool) override { return true; }
  void Close() override {}
  bool CanPresent() override { return true; }
  void Present(const TDirectDrawSurface&) override {}
};

// A pixel that tells where in its picture it came from; never black, so never the default key.
inline uint32_t SourcePixel(int32_t x, int32_t y) {
  return (static_cast<uint32_t>(x + 1) << 12) | static_cast<uint32_t>(y + 1);
}

inline std::string Hex(uint32_t pixel) {
  char text[16];
  std::snprintf(text, sizeof text, "$%06X", pixel);
  return text;
}

// How many pixels of the surface differ from the fill value.
inline int CountChanged(const TDirectDrawSurface& surface, uint32_t fill) {
  int changed = 0;
  for (int32_t i = 0; i < surface.Width() * surface.Height(); ++i) {
    if (surface.Pixels()[i] != fill) ++changed;
  }
  return changed;
}

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override { display.Initialize(); }

  // A picture whose every pixel is SourcePixel(x, y).
  TPictureCollectionItem& AddPicture(const std::string& name, int32_t width, int32_t height,
                                     int32_t patternWidth = 0, int32_t patternHeight = 0) {
    TPictureCollectionItem& item = list.Add();
    item.SetName(name);
    item.Picture.Width = width;
    item.Picture.Height = height;
    item.Picture.Pixels.resize(static_cast<size_t>(width) * height);
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < width; ++x) item.Picture.Pixels[y * width + x] = SourcePixel(x, y);
    }
    item.PatternWidth = patternWidth;
    item.PatternHeight = patternHeight;
    return item;
  }

  static void SetPixel(TPictureCollectionItem& item, int32_t x, int32_t y, uint32_t pixel) {
    item.Picture.Pixels[y * item.Picture.Width + x] = pixel;
  }

  // Makes every item drawable, as the display does after loading.
  void Ready() {
    list.Initialize(&display);
    list.Restore();
  }

  NullDisplayBackend backend;
  TDXDraw display{backend};
  TPictureCollection list;
};
