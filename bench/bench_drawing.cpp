// Drawing speed: a sprite-heavy frame of keyed draws and a run of blended glyphs, against the
// cost of clearing and copying one frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include "media/picture_list.h"
#include "media/surface.h"

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr uint32_t kKey = 0;  // black, the pictures' default colour key

// A picture whose pixels are chosen by inside(x, y): a shade of colour, or the key outside.
TPictureCollectionItem& MakePicture(TPictureCollection& list, int32_t width, int32_t height,
                                    const std::function<bool(int32_t, int32_t)>& inside) {
  TPictureCollectionItem& item = list.Add();
  item.Picture.Width = width;
  item.Picture.Height = height;
  item.Picture.Pixels.resize(static_cast<size_t>(width) * height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t shade = 0x203040 + static_cast<uint32_t>((x * 7 + y * 3) & 0x3F);
      item.Picture.Pixels[y * width + x] = inside(x, y) ? shade : kKey;
    }
  }
  item.Initialize();
  item.Restore();
  return item;
}

std::function<bool(int32_t, int32_t)> Disc(int32_t size) {
  return [size](int32_t x, int32_t y) {
    const double r = size / 2.0, dx = x + 0.5 - r, dy = y + 0.5 - r;
    return dx * dx + dy * dy <= r * r;
  };
}

// The pictures of one play screen, drawn where the game draws them.
struct PlayScreen {
  TPictureCollection list;
  TPictureCollectionItem& atom = MakePicture(list, 40, 40, Disc(36));
  TPictureCollectionItem& bondH = MakePicture(list, 14, 6, [](int32_t x, int32_t y) {
    return !((x == 0 || x == 13) && (y == 0 || y == 5));
  });
  TPictureCollectionItem& bondV = MakePicture(list, 6, 14, [](int32_t x, int32_t y) {
    return !((x == 0 || x == 5) && (y == 0 || y == 13));
  });
  TPictureCollectionItem& electron = MakePicture(list, 6, 6, Disc(6));
  // A ring-shaped digit glyph of the large font.
  TPictureCollectionItem& glyph = MakePicture(list, 31, 31, [](int32_t x, int32_t y) {
    const double dx = x - 15.0, dy = y - 15.0, d = std::sqrt(dx * dx + dy * dy);
    return (d > 8 && d < 14) || (x > 13 && x < 18);
  });
  // Frames: solid bevels around transparent windows onto the board and the panels.
  TPictureCollectionItem& right = MakePicture(
      list, 53, 480, [](int32_t x, int32_t y) { return !(x > 8 && x < 44 && y > 100 && y < 380); });
  TPictureCollectionItem& top = MakePicture(list, 640, 66, [](int32_t x, int32_t y) {
    return !(y > 12 && y < 40 && ((x > 95 && x < 190) || (x > 295 && x < 350) || x > 400));
  });
  TPictureCollectionItem& bottom =
      MakePicture(list, 640, 13, [](int32_t, int32_t) { return true; });
  TPictureCollectionItem& left = MakePicture(list, 14, 480, [](int32_t, int32_t) { return true; });
  TPictureCollectionItem& side =
      MakePicture(list, 46, 480, [](int32_t x, int32_t) { return x < 4 || x > 41; });

  // draw(item, x, y) is called for every sprite of the frame, in the game's order.
  template <class DrawFunction>
  void DrawSprites(DrawFunction draw) {
    for (int32_t i = 0; i < 120; ++i) draw(atom, 91 + 40 * (i % 12), 67 + 40 * (i / 12));
    for (int32_t i = 0; i < 120; ++i) {
      draw(bondH, 111 + 40 * (i % 12), 83 + 40 * (i / 12));
      draw(bondV, 107 + 40 * (i % 12), 87 + 40 * (i / 12));
    }
    for (int32_t i = 0; i < 300; ++i) {
      draw(electron, 100 + 40 * (i % 12) + (i % 3) * 9, 76 + 40 * ((i / 12) % 10));
    }
    for (int32_t i = 0; i < 80; ++i) draw(glyph, 20 + 7 * i, 30 + 5 * i);
    draw(left, 0, 0);
    draw(top, 91, 0);
    draw(bottom, 91, 467);
    draw(side, 571, 0);
    draw(right, 587, 0);
  }

  template <class DrawFunction>
  void DrawBlendedGlyphs(DrawFunction draw) {
    for (int32_t i = 0; i < 40; ++i) draw(glyph, 40 + 14 * i, 200 + 3 * i);
  }
};

// The plain per-pixel loops a straightforward implementation would run, for comparison.
void PlainKeyedDraw(const TPicture& picture, TDirectDrawSurface& dest, int32_t x, int32_t y) {
  for (int32_t sy = 0; sy < picture.Height; ++sy) {
    if (y + sy < 0 || y + sy >= dest.Height()) continue;
    for (int32_t sx = 0; sx < picture.Width; ++sx) {
      if (x + sx < 0 || x + sx >= dest.Width()) continue;
      const uint32_t pixel = picture.Pixels[sy * picture.Width + sx];
      if (pixel != kKey) dest.Row(y + sy)[x + sx] = pixel;
    }
  }
}

void PlainBlend(const TPicture& picture, TDirectDrawSurface& dest, int32_t x, int32_t y,
                int32_t alpha) {
  for (int32_t sy = 0; sy < picture.Height; ++sy) {
    for (int32_t sx = 0; sx < picture.Width; ++sx) {
      const uint32_t s = picture.Pixels[sy * picture.Width + sx];
      if (s == kKey) continue;
      uint32_t& d = dest.Row(y + sy)[x + sx];
      const auto channel = [&](int shift, int extra) {
        const int sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
        return static_cast<uint32_t>((sc * alpha + dc * (255 - alpha + extra)) / 256) << shift;
      };
      d = channel(16, 0) | channel(8, 0) | channel(0, 1);
    }
  }
}

double Minimum(const std::vector<double>& values) {
  return *std::min_element(values.begin(), values.end());
}

void BM_FrameFloor(benchmark::State& state) {
  std::vector<uint32_t> back(kWidth * kHeight), front(kWidth * kHeight);
  for (auto _ : state) {
    std::memset(back.data(), 0, back.size() * sizeof(uint32_t));
    std::memcpy(front.data(), back.data(), back.size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(front.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameFloor)->ComputeStatistics("min", Minimum);

void BM_Fill(benchmark::State& state) {
  TDirectDrawSurface surface(kWidth, kHeight);
  for (auto _ : state) {
    surface.Fill(0);
    benchmark::DoNotOptimize(surface.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Fill)->ComputeStatistics("min", Minimum);

void BM_SpriteFrame(benchmark::State& state) {
  PlayScreen screen;
  TDirectDrawSurface surface(kWidth, kHeight);
  for (auto _ : state) {
    screen.DrawSprites(
        [&](TPictureCollectionItem& item, int32_t x, int32_t y) { item.Draw(surface, x, y, 0); });
    benchmark::DoNotOptimize(surface.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpriteFrame)->ComputeStatistics("min", Minimum);

void BM_SpriteFramePlainLoop(benchmark::State& state) {
  PlayScreen screen;
  TDirectDrawSurface surface(kWidth, kHeight);
  for (auto _ : state) {
    screen.DrawSprites([&](TPictureCollectionItem& item, int32_t x, int32_t y) {
      PlainKeyedDraw(item.Picture, surface, x, y);
    });
    benchmark::DoNotOptimize(surface.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpriteFramePlainLoop)->ComputeStatistics("min", Minimum);

void BM_BlendedGlyphs(benchmark::State& state) {
  PlayScreen screen;
  TDirectDrawSurface surface(kWidth, kHeight);
  surface.Fill(0x405060);
  const auto alpha = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    screen.DrawBlendedGlyphs([&](TPictureCollectionItem& item, int32_t x, int32_t y) {
      item.DrawBlended(surface, TRect{x, y, x + 31, y + 31}, 0, alpha);
    });
    benchmark::DoNotOptimize(surface.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlendedGlyphs)->Arg(128)->Arg(255)->ComputeStatistics("min", Minimum);

void BM_BlendedGlyphsPlainLoop(benchmark::State& state) {
  PlayScreen screen;
  TDirectDrawSurface surface(kWidth, kHeight);
  surface.Fill(0x405060);
  for (auto _ : state) {
    screen.DrawBlendedGlyphs([&](TPictureCollectionItem& item, int32_t x, int32_t y) {
      PlainBlend(item.Picture, surface, x, y, 128);
    });
    benchmark::DoNotOptimize(surface.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlendedGlyphsPlainLoop)->ComputeStatistics("min", Minimum);

}  // namespace
