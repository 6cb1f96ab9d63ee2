// The menu background: deep space with a faint nebula, stars and the glowing game title,
// kept calm where the menus draw their labels, descriptions and panels.
#include <cmath>

#include "art/palette.h"
#include "art/pictures.h"
#include "paint/glyphs.h"
#include "paint/shapes.h"

namespace {

// How much decoration an area may carry: full in the title band and at the screen edges,
// faint where labels (x 30.., y 234..444), descriptions and panels (y 100..442) are drawn.
float Busyness(float x, float y) {
  const float top = std::clamp((98 - y) / 30, 0.0f, 1.0f);
  const float bottom = std::clamp((y - 452) / 18, 0.0f, 1.0f);
  const float sides =
      std::max(std::clamp((28 - x) / 20, 0.0f, 1.0f), std::clamp((x - 612) / 20, 0.0f, 1.0f));
  return std::max({top, bottom, sides * 0.7f, 0.12f});
}

void PaintSky(TLayer& menu) {
  menu.Paint([](float, float) { return -1.0f; },
             [](float x, float y) {
               const TShade deep = Mix(Rgb(8, 14, 32), Rgb(3, 5, 12), y / 480);
               const float cloud = FractalNoise(x / 170, y / 120, 31, 5);
               const float wisps = FractalNoise(x / 60 + 10, y / 45, 57, 4);
               const float density = std::pow(std::clamp(cloud * 1.5f - 0.35f, 0.0f, 1.0f), 1.6f);
               const TShade tint = Mix(Rgb(40, 90, 140), Rgb(110, 50, 140), wisps);
               const float k = density * (0.25f + 0.55f * wisps) * Busyness(x, y);
               return TShade{deep.R + tint.R * k, deep.G + tint.G * k, deep.B + tint.B * k, 1};
             });
}

void PaintStars(TLayer& menu) {
  for (int i = 0; i < 420; ++i) {
    const float x = Hash2(i, 1, 99) * 640, y = Hash2(i, 2, 99) * 480;
    const float size = 0.35f + 0.9f * std::pow(Hash2(i, 3, 99), 4.0f);
    const float bright = (0.25f + 0.75f * Hash2(i, 4, 99)) * (0.3f + 0.7f * Busyness(x, y));
    const TShade colour = Mix(Rgb(180, 210, 255), Rgb(255, 230, 200), Hash2(i, 5, 99));
    for (int py = static_cast<int>(y) - 2; py <= static_cast<int>(y) + 2; ++py) {
      for (int px = static_cast<int>(x) - 2; px <= static_cast<int>(x) + 2; ++px) {
        const float d = std::hypot(px + 0.5f - x, py + 0.5f - y);
        menu.AddLight(px, py, colour, bright * std::clamp(size + 0.5f - d, 0.0f, 1.0f));
      }
    }
  }
}

// Large faint orbits behind the right half, too dim to compete with text drawn over them.
void PaintOrbits(TLayer& menu) {
  TLayer orbits(640, 480);
  const float cx = 470, cy = 330;
  for (int i = 0; i < 3; ++i) {
    const float angle = 0.5f + i * 1.05f, ca = std::cos(angle), sa = std::sin(angle);
    orbits.Paint(
        [&](float x, float y) {
          const float rx = (x - cx) * ca + (y - cy) * sa, ry = -(x - cx) * sa + (y - cy) * ca;
          return EllipseRingDistance(rx, ry, 0, 0, 185, 62, 0.7f);
        },
        [](float, float) { return Rgb(60, 130, 200); });
  }
  orbits.Paint([&](float x, float y) { return CircleDistance(x, y, cx, cy, 16); },
               [](float, float) { return Rgb(80, 140, 220); });
  menu.Add(orbits.Blurred(1.5f), 0.16f);
}

// A small glowing molecule beside the title.
void PaintMolecule(TLayer& menu, float cx, float cy, float scale, int kindA, int kindB) {
  TLayer art(640, 480);
  const float ax = cx - 16 * scale, bx = cx + 16 * scale;
  art.Paint([&](float x, float y) { return SegmentDistance(x, y, ax, cy, bx, cy, 2.0f * scale); },
            [](float, float) { return Rgb(200, 240, 255); });
  const float xs[2] = {ax, bx};
  const int kinds[2] = {kindA, kindB};
  for (int i = 0; i < 2; ++i) {
    const float r = 10 * scale;
    art.Paint([&](float x, float y) { return CircleDistance(x, y, xs[i], cy, r); },
              [&](float x, float y) {
                const float d = std::hypot(x - xs[i] + r * 0.35f, y - cy + r * 0.35f) / (r * 1.4f);
                return Mix(Mix(kAtomColors[kinds[i]], Rgb(255, 255, 255), 0.6f),
                           Scaled(kAtomColors[kinds[i]], 0.45f), std::clamp(d, 0.0f, 1.0f));
              });
  }
  menu.Add(art.Blurred(6.0f), 0.7f);
  menu.Over(art);
}

void PaintTitle(TLayer& menu) {
  TFontFace face;
  face.SetPixelSize(66);
  const std::u32string title = U"BRUNIVAL";
  const float tracking = 6;
  const float width = face.TextWidth(title, tracking);
  TLayer text(640, 480);
  face.DrawText(text, title, (640 - width) / 2, 78, tracking);
  TLayer glow = Dilated(text, 2.0f).Blurred(9.0f);
  Tint(glow, [](float, float) { return kAccentCyan; });
  Tint(text, [](float, float y) {
    const float t = std::clamp((y - 30) / 48, 0.0f, 1.0f);
    // A bright horizon line across the letters gives them a polished edge.
    const float band = std::exp(-std::pow((t - 0.55f) * 9, 2.0f)) * 0.5f;
    TShade c = Mix(Rgb(255, 255, 255), Rgb(60, 170, 240), t);
    return TShade{c.R + band, c.G + band, c.B + band, 1};
  });
  menu.Add(glow, 0.8f);
  menu.Over(text);
}

// A thin horizon of light along the bottom edge, below every menu text.
void PaintHorizon(TLayer& menu) {
  TLayer line(640, 480);
  line.Paint([](float x, float y) { return std::fabs(y - 466) - 0.6f + std::fabs(x - 320) / 400; },
             [](float, float) { return Rgb(90, 190, 255); });
  menu.Add(line.Blurred(4.0f), 1.2f);
  menu.Over(line, 0, 0, 0.8f);
}

}  // namespace

TPictureEntry MakeMenuPicture() {
  TLayer menu(640, 480);
  PaintSky(menu);
  PaintStars(menu);
  PaintOrbits(menu);
  PaintMolecule(menu, 68, 52, 1.0f, 1, 1);
  PaintMolecule(menu, 572, 52, 1.0f, 4, 2);
  PaintTitle(menu);
  PaintHorizon(menu);
  TPictureEntry entry;
  entry.Name = "menu";
  entry.Picture = Flatten(menu, 0x000000);
  entry.Transparent = false;
  entry.Encoding = TPictureEncoding::Jpeg;
  entry.JpegQuality = 92;
  return entry;
}
