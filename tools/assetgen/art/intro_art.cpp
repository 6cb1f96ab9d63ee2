// The intro pictures of the studio Dravokel: its name, its emblem and the "presents" line.
#include <algorithm>
#include <cmath>

#include "art/palette.h"
#include "art/pictures.h"
#include "paint/glyphs.h"
#include "paint/shapes.h"

namespace {

const TShade kGoldLight = Rgb(255, 236, 170);
const TShade kGoldDeep = Rgb(214, 120, 30);

TPictureEntry Keyed(const char* name, const TLayer& layer) {
  TPictureEntry entry;
  entry.Name = name;
  // Drawn fading in over the black intro screen.
  entry.Picture = FlattenKeyed(layer, 0x000000, kKeyPixel, 0.06f);
  entry.Transparent = true;
  entry.TransparentColor = clBlack;
  return entry;
}

TPictureEntry MakeStudioName() {
  const int width = 491, height = 28;
  TFontFace face;
  face.SetPixelSize(31);
  const std::u32string name = U"DRAVOKEL";
  // Wide tracking spreads the name over the whole strip.
  const float plain = face.TextWidth(name);
  const float tracking = (width - 12 - plain) / (name.size() - 1);
  TLayer text(width, height);
  face.DrawText(text, name, 6, 25, tracking);
  TLayer glow = text.Blurred(2.5f);
  Tint(glow, [](float, float) { return kAccentAmber; });
  Tint(text, [](float, float y) {
    return Mix(kGoldLight, kGoldDeep, std::clamp((y - 3) / 22, 0.0f, 1.0f));
  });
  TLayer out(width, height);
  out.Over(glow, 0, 0, 0.6f);
  out.Over(text);
  return Keyed("DK-napis", out);
}

TPictureEntry MakeStudioEmblem() {
  const int width = 83, height = 80;
  const float cx = 41.5f, cy = 40;
  TLayer art(width, height);
  // A hexagonal badge ring.
  float xs[6], ys[6];
  for (int i = 0; i < 6; ++i) {
    const float a = 3.14159265f / 3 * i + 3.14159265f / 6;
    xs[i] = cx + 37 * std::cos(a);
    ys[i] = cy + 37 * std::sin(a);
  }
  art.Paint(
      [&](float x, float y) { return std::fabs(PolygonDistance(x, y, xs, ys) + 2.5f) - 2.2f; },
      [&](float, float y) { return Mix(kGoldLight, kGoldDeep, y / height); });
  // A raptor's three talons, curling down to sharp points.
  for (int i = 0; i < 3; ++i) {
    const float x0 = cx - 14 + i * 13;
    const float xs[3] = {x0, x0 + 9, x0 - 5}, ys[3] = {cy - 21, cy + 2, cy + 22};
    art.Paint([&](float x, float y) { return TaperedCurveDistance(x, y, xs, ys, 4.6f, 0.5f); },
              [&](float, float y) { return Mix(Rgb(255, 250, 235), kGoldDeep, (y - 18) / 52); });
  }
  // An electron circling the badge.
  art.Paint([&](float x, float y) { return CircleDistance(x, y, cx + 31, cy - 19, 3.2f); },
            [](float, float) { return Rgb(140, 220, 255); });
  TLayer glow = art.Blurred(3.0f);
  TLayer out(width, height);
  out.Over(glow, 0, 0, 0.5f);
  out.Over(art);
  return Keyed("DK-logo", out);
}

// The "presents" line in one language; the catalogue of that language names the picture.
TPictureEntry MakePresentsLine(const char* name, const std::u32string& text) {
  const int width = 63, height = 13;
  TFontFace face;
  face.SetHinting(true);
  face.SetPixelSize(12);
  // Wide tracking where the word leaves room, tighter for a longer word.
  const float tracking =
      std::min(2.0f, (width - 2 - face.TextWidth(text)) / static_cast<float>(text.size() - 1));
  TLayer layer(width, height);
  face.DrawText(layer, text, std::round((width - face.TextWidth(text, tracking)) / 2), 10,
                tracking);
  Tint(layer, [](float, float) { return Rgb(200, 210, 225); });
  return Keyed(name, layer);
}

}  // namespace

std::vector<TPictureEntry> MakeIntroPictures() {
  return {MakeStudioName(), MakeStudioEmblem(), MakePresentsLine("DK-uvadi", U"uv\u00e1d\u00ed"),
          MakePresentsLine("DK-uvadi-en", U"presents")};
}
