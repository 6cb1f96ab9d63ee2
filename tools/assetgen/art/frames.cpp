// The play screen's frame: one 640 x 480 painting cut into the five frame pictures.
#include <cmath>

#include "art/palette.h"
#include "art/pictures.h"
#include "paint/glyphs.h"
#include "paint/shapes.h"

namespace {

// Play screen geometry, right and bottom exclusive.
constexpr float kBoardLeft = 91, kBoardTop = 67, kBoardRight = 571, kBoardBottom = 467;
constexpr float kTubeLeft = 587, kTubeRight = 627;
// Resting top of the tenth side-column slot, where the overflow bar is drawn.
constexpr int kOverflowY = 132;
constexpr int kSlotPitch = 33;

// Dark panels behind the status figures drawn with the large font at y 18.
struct TInset {
  float Left, Right;
};
constexpr TInset kTimeInset{94, 261}, kMoleculeInset{294, 368}, kScoreInset{401, 631};
constexpr float kInsetTop = 12, kInsetBottom = 55;

void PaintMetal(TLayer& frame) {
  frame.Paint([](float, float) { return -1.0f; },
              [](float x, float y) {
                // Brushed metal: a vertical sheen with fine horizontal streaks.
                const float streak = FractalNoise(x / 60.0f, y / 1.5f, 7, 3);
                const float sheen = 0.5f + 0.5f * std::cos(y / 480.0f * 3.14159f);
                TShade c = Mix(kMetalDark, kMetalLight, 0.25f + 0.35f * sheen);
                return Scaled(c, 0.85f + 0.3f * streak);
              });
}

// A rectangular groove: dark inside, bevelled edges, with a thin glowing rim line.
void PaintGlowRim(TLayer& frame, float left, float top, float right, float bottom,
                  const TShade& colour, float width) {
  TLayer rim(frame.Width(), frame.Height());
  rim.Paint(
      [&](float x, float y) {
        return std::fabs(RoundBoxDistance(x, y, left, top, right, bottom, 3)) - width / 2;
      },
      [&](float, float) { return colour; });
  frame.Add(rim.Blurred(4.0f), 0.9f);
  frame.Over(rim);
}

void PaintInset(TLayer& frame, const TInset& inset) {
  const float l = inset.Left, r = inset.Right, t = kInsetTop, b = kInsetBottom;
  // Bevel: a light lower edge and a dark upper edge read as a recess.
  frame.Paint(
      [&](float x, float y) { return RoundBoxDistance(x, y, l - 1, t - 1, r + 1, b + 1, 5); },
      [&](float, float y) { return Mix(Rgb(8, 10, 16), Rgb(70, 86, 112), (y - t) / (b - t)); });
  frame.Paint([&](float x, float y) { return RoundBoxDistance(x, y, l, t, r, b, 4); },
              [&](float, float y) {
                const float scan = (static_cast<int>(y) % 2) ? 0.85f : 1.0f;
                return Scaled(kInsetColor, scan);
              });
}

void PaintClockIcon(TLayer& frame, float cx, float cy) {
  frame.Paint([&](float x, float y) { return std::fabs(CircleDistance(x, y, cx, cy, 10)) - 1.4f; },
              [](float, float) { return kAccentCyan; });
  frame.Paint(
      [&](float x, float y) {
        return std::min(SegmentDistance(x, y, cx, cy, cx, cy - 7, 1.2f),
                        SegmentDistance(x, y, cx, cy, cx + 5, cy + 2, 1.2f));
      },
      [](float, float) { return Rgb(220, 240, 255); });
}

void PaintMoleculeIcon(TLayer& frame, float cx, float cy) {
  const float ax = cx - 8, ay = cy + 5, bx = cx + 8, by = cy + 5, tx = cx, ty = cy - 8;
  frame.Paint(
      [&](float x, float y) {
        return std::min({SegmentDistance(x, y, ax, ay, bx, by, 1.2f),
                         SegmentDistance(x, y, bx, by, tx, ty, 1.2f),
                         SegmentDistance(x, y, tx, ty, ax, ay, 1.2f)});
      },
      [](float, float) { return Rgb(120, 200, 255); });
  const TShade colours[3] = {kAtomColors[1], kAtomColors[3], kAtomColors[4]};
  const float xs[3] = {ax, bx, tx}, ys[3] = {ay, by, ty};
  for (int i = 0; i < 3; ++i) {
    frame.Paint([&](float x, float y) { return CircleDistance(x, y, xs[i], ys[i], 4.2f); },
                [&](float, float y) {
                  const float t = std::clamp((y - ys[i] + 4) / 8, 0.0f, 1.0f);
                  return Mix(Mix(colours[i], Rgb(255, 255, 255), 0.4f), colours[i], t);
                });
  }
}

void PaintStarIcon(TLayer& frame, float cx, float cy) {
  frame.Paint(
      [&](float x, float y) {
        // A five-pointed star from the polar distance to its outline.
        const float a = std::atan2(x - cx, -(y - cy));
        const float k = std::fmod(std::fabs(a) + 3.14159f / 5, 2 * 3.14159f / 5) - 3.14159f / 5;
        const float radius = 5.0f + 6.0f * std::pow(std::fabs(std::cos(k * 2.5f)), 6.0f);
        return std::hypot(x - cx, y - cy) - radius;
      },
      [](float, float) { return kAccentAmber; });
}

// Tick marks beside the side column at the resting heights of its slots; the top one warns.
void PaintSlotTicks(TLayer& frame) {
  for (int k = 1; k <= 10; ++k) {
    const float y = kOverflowY + (10 - k) * kSlotPitch + 1.5f;
    const TShade colour = k == 10 ? Rgb(255, 60, 50) : Rgb(90, 120, 160);
    frame.Paint([&](float x, float py) { return SegmentDistance(x, py, 577, y, 582, y, 0.9f); },
                [&](float, float) { return colour; });
  }
}

void PaintTitle(TLayer& frame) {
  TFontFace face;
  face.SetPixelSize(42);
  const std::u32string title = U"BRUNIVAL";
  const float tracking = 4;
  const float width = face.TextWidth(title, tracking);
  TLayer text(400, 80);
  face.DrawText(text, title, (400 - width) / 2, 56, tracking);
  TLayer glow = Dilated(text, 1.5f).Blurred(5.0f);
  Tint(glow, [](float, float) { return kAccentCyan; });
  Tint(text,
       [](float, float y) { return Mix(Rgb(120, 148, 180), Rgb(48, 72, 106), (y - 25) / 35); });
  TLayer title_layer(400, 80);
  title_layer.Over(glow, 0, 0, 0.25f);
  title_layer.Over(text);
  // Reads upwards along the left column, centred beside the board.
  frame.Over(title_layer.RotatedLeft(), 45 - 40, 67);
}

TPictureEntry Piece(const TLayer& frame, const char* name, int left, int top, int width,
                    int height) {
  TPictureEntry entry;
  entry.Name = name;
  entry.Picture = FlattenKeyed(frame.Cropped(left, top, width, height), 0x000000, kKeyPixel, 0.5f);
  entry.Transparent = true;
  entry.TransparentColor = clBlack;
  return entry;
}

}  // namespace

std::vector<TPictureEntry> MakeFramePictures() {
  TLayer frame(640, 480);
  PaintMetal(frame);
  PaintInset(frame, kTimeInset);
  PaintInset(frame, kMoleculeInset);
  PaintInset(frame, kScoreInset);
  PaintClockIcon(frame, 76, 33.5f);
  PaintMoleculeIcon(frame, 279, 34);
  PaintStarIcon(frame, 385, 33.5f);
  PaintSlotTicks(frame);
  PaintTitle(frame);
  PaintGlowRim(frame, kBoardLeft - 2.5f, kBoardTop - 2.5f, kBoardRight + 2.5f, kBoardBottom + 2.5f,
               kAccentCyan, 1.6f);
  PaintGlowRim(frame, kTubeLeft - 2.5f, kBoardTop - 2.5f, kTubeRight + 2.5f, kBoardBottom + 2.5f,
               Rgb(120, 160, 220), 1.2f);
  // Cut the board and the side column out: they show through as the key colour.
  TLayer cut = frame;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const bool board = x >= kBoardLeft && x < kBoardRight && y >= kBoardTop && y < kBoardBottom;
      const bool tube = x >= kTubeLeft && x < kTubeRight && y >= kBoardTop && y < kBoardBottom;
      if (board || tube) cut.At(x, y) = {};
    }
  }
  return {Piece(cut, "plochaL", 0, 0, 91, 480), Piece(cut, "plochaH", 91, 0, 549, 67),
          Piece(cut, "plochaD", 91, 467, 549, 13), Piece(cut, "plochaS", 571, 67, 56, 400),
          Piece(cut, "plochaP", 627, 67, 13, 400)};
}
