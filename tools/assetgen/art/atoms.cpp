// Atoms as glowing glass spheres, the bond bars between them and the orbiting electron.
#include <cmath>
#include <string>

#include "art/palette.h"
#include "art/pictures.h"
#include "paint/shapes.h"

namespace {

constexpr float kCell = 40;
constexpr float kAtomRadius = 14.5f;  // leaves room for electrons orbiting at 18 pixels

TShade HueColor(float hue) {
  // Hue 0..1 around the colour wheel at full saturation.
  const float h = (hue - std::floor(hue)) * 6;
  const float x = 1 - std::fabs(std::fmod(h, 2.0f) - 1);
  const float table[6][3] = {{1, x, 0}, {x, 1, 0}, {0, 1, x}, {0, x, 1}, {x, 0, 1}, {1, 0, x}};
  const auto& c = table[static_cast<int>(h) % 6];
  return {c[0], c[1], c[2], 1};
}

}  // namespace

// Lit sphere: diffuse from the upper left, a sharp highlight and a glowing rim.
TShade SphereShade(float px, float py, float cx, float cy, float radius, bool prism,
                   const TShade& base) {
  const float nx = (px - cx) / radius, ny = (py - cy) / radius;
  const float d2 = std::min(nx * nx + ny * ny, 1.0f);
  const float nz = std::sqrt(1 - d2);
  const float lx = -0.45f, ly = -0.6f, lz = 0.66f;
  const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
  // Reflection of the light about the normal, seen from straight ahead.
  const float rz = 2 * (nx * lx + ny * ly + nz * lz) * nz - lz;
  const float specular = std::pow(std::max(0.0f, rz), 28.0f);
  const float rim = std::pow(1 - nz, 2.2f);

  TShade colour = base;
  if (prism) {
    const float angle = std::atan2(ny, nx) / 6.2831853f;
    colour = Mix(HueColor(angle + 0.15f * nz), Rgb(255, 255, 255), 0.25f);
  }
  const float body = 0.22f + 0.9f * diffuse;
  TShade out{colour.R * body, colour.G * body, colour.B * body, 1};
  const TShade rimLight = Mix(colour, Rgb(255, 255, 255), 0.35f);
  out.R += rimLight.R * rim * 0.55f + specular * 0.95f;
  out.G += rimLight.G * rim * 0.55f + specular * 0.95f;
  out.B += rimLight.B * rim * 0.55f + specular * 0.95f;
  return out;
}

namespace {

TPictureEntry Keyed(std::string name, TPicture picture) {
  TPictureEntry entry;
  entry.Name = std::move(name);
  entry.Picture = std::move(picture);
  entry.Transparent = true;
  entry.TransparentColor = clBlack;
  return entry;
}

TPictureEntry MakeAtom(int kind) {
  const float c = kCell / 2;
  const bool wildcard = kind == 5;
  const TShade base = kAtomColors[kind];
  TLayer halo(40, 40);
  halo.Paint([&](float x, float y) { return CircleDistance(x, y, c, c, kAtomRadius + 0.5f); },
             [&](float, float) { return wildcard ? Rgb(200, 160, 255) : base; });
  TLayer atom(40, 40);
  atom.Over(halo.Blurred(2.2f), 0, 0, 0.5f);
  atom.Paint(
      [&](float x, float y) { return CircleDistance(x, y, c, c, kAtomRadius); },
      [&](float x, float y) { return SphereShade(x, y, c, c, kAtomRadius, wildcard, base); });
  if (wildcard) {
    // A dark equator band sets the wildcard apart from the plain colours even at a glance.
    atom.Paint(
        [&](float x, float y) {
          return std::max(EllipseRingDistance(x, y, c, c, kAtomRadius - 1, 4.5f, 0.8f),
                          CircleDistance(x, y, c, c, kAtomRadius - 1));
        },
        [](float, float) { return Rgb(40, 20, 70, 0.8f); });
  }
  // Atoms are drawn on the black board: edges are blended against black.
  return Keyed("atom" + std::to_string(kind), FlattenKeyed(atom, 0x000000, kKeyPixel, 0.06f));
}

// A bond bar: a hot white core inside a cyan glow, `length` long across a band 8 pixels wide.
TLayer BondBar(int length) {
  TLayer bar(length, 8);
  const TShade glow = Rgb(60, 170, 255);
  bar.Paint([&](float, float y) { return std::fabs(y - 4) - 3.2f; },
            [&](float, float y) { return Rgb(60, 170, 255, 0.55f - 0.1f * std::fabs(y - 4)); });
  bar.Paint([&](float, float y) { return std::fabs(y - 4) - 1.6f; },
            [&](float, float y) { return Mix(Rgb(235, 248, 255), glow, std::fabs(y - 4) / 2); });
  return bar;
}

TPictureEntry MakeElectron() {
  TLayer dot(5, 5);
  dot.Paint([](float x, float y) { return CircleDistance(x, y, 2.5f, 2.5f, 2.4f); },
            [](float x, float y) {
              const float d = std::hypot(x - 2.5f, y - 2.5f) / 2.4f;
              return Mix(Rgb(255, 255, 255), Rgb(80, 200, 255, 0.7f), d);
            });
  return Keyed("elektron", FlattenKeyed(dot, 0x000000, kKeyPixel, 0.1f));
}

}  // namespace

std::vector<TPictureEntry> MakeAtomPictures() {
  std::vector<TPictureEntry> pictures;
  for (int kind = 1; kind <= 5; ++kind) pictures.push_back(MakeAtom(kind));
  TLayer horizontal = BondBar(40);
  pictures.push_back(Keyed("vazbaH", FlattenKeyed(horizontal, 0x000000, kKeyPixel)));
  // The vertical bar is the same bar turned; its band sits 4 pixels left of the centre line.
  pictures.push_back(Keyed("vazbaV", FlattenKeyed(horizontal.RotatedLeft(), 0x000000, kKeyPixel)));
  pictures.push_back(MakeElectron());
  return pictures;
}
