// The application icon: the game's glass atom with its glow and four orbiting electrons.
#include "icons/app_icon.h"

#include <cmath>
#include <filesystem>
#include <iterator>

#include "art/palette.h"
#include "art/pictures.h"
#include "paint/shapes.h"

namespace {

// Painted on a 64-unit grid and scaled, so every size shows the same picture.
constexpr float kGrid = 64;
constexpr float kAtomRadius = 21;
constexpr float kOrbitRadius = 27;
constexpr float kElectronRadius = 3.2f;

TLayer Glow(int size, float unit, float cx, float cy, float radius, const TShade& colour,
            float blur) {
  TLayer disc(size, size);
  disc.Paint([&](float x, float y) { return CircleDistance(x, y, cx, cy, radius); },
             [&](float, float) { return colour; });
  return disc.Blurred(std::max(1.0f, blur * unit));
}

}  // namespace

TLayer MakeAppIcon(int size) {
  const float unit = size / kGrid;
  const float c = size / 2.0f;
  const float radius = kAtomRadius * unit;
  // The four-electron atom: the one that bonds on every side.
  const TShade base = kAtomColors[4];

  TLayer icon(size, size);
  icon.Over(Glow(size, unit, c, c, radius + unit, base, 3.5f), 0, 0, 0.75f);
  icon.Paint([&](float x, float y) { return CircleDistance(x, y, c, c, radius); },
             [&](float x, float y) { return SphereShade(x, y, c, c, radius, false, base); });

  // Electrons on the diagonals, like the game's electrons circling a placed atom. Below 32
  // pixels they would be a smudge on the sphere's rim, so the small icons show the atom alone.
  if (size < 32) return icon;
  const float orbit = kOrbitRadius * unit;
  const float dot = kElectronRadius * unit;
  const float ringWidth = std::max(0.5f, 0.6f * unit);
  icon.Paint(
      [&](float x, float y) { return std::fabs(CircleDistance(x, y, c, c, orbit)) - ringWidth; },
      [](float, float) { return Rgb(70, 200, 255, 0.45f); });
  for (int quarter = 0; quarter < 4; ++quarter) {
    const float angle = 0.7853982f + quarter * 1.5707963f;
    const float ex = c + orbit * std::cos(angle), ey = c + orbit * std::sin(angle);
    icon.Over(Glow(size, unit, ex, ey, dot, kAccentCyan, 1.5f));
    icon.Paint([&](float x, float y) { return CircleDistance(x, y, ex, ey, dot); },
               [&](float x, float y) {
                 const float d = std::hypot(x - ex, y - ey) / dot;
                 return Mix(Rgb(255, 255, 255), Rgb(80, 200, 255), d);
               });
  }
  return icon;
}

std::vector<std::string> WriteAppIcons(const std::string& dir) {
  std::filesystem::create_directories(dir);
  std::vector<std::string> files;
  std::vector<int> sizes(std::begin(kAppIconSizes), std::end(kAppIconSizes));
  sizes.insert(sizes.end(), std::begin(kWebAppIconSizes), std::end(kWebAppIconSizes));
  for (int size : sizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size) + ".png";
    const std::string path = (std::filesystem::path(dir) / name).string();
    WriteRgbaPng(path, MakeAppIcon(size));
    files.push_back(path);
  }
  return files;
}
