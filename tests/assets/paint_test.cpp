// Painting layers: anti-aliased coverage, compositing, blurring and text rasterising.
#include <gtest/gtest.h>

#include <cmath>

#include "paint/glyphs.h"
#include "paint/layer.h"
#include "paint/shapes.h"

namespace {

double TotalAlpha(const TLayer& layer) {
  double sum = 0;
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) sum += layer.At(x, y).A;
  }
  return sum;
}

TEST(Layer, CircleCoverageMatchesItsArea) {
  TLayer layer(40, 40);
  layer.Paint([](float x, float y) { return CircleDistance(x, y, 20, 20, 10); },
              [](float, float) { return Rgb(255, 255, 255); });
  EXPECT_NEAR(TotalAlpha(layer), 3.14159 * 100, 3.0) << "anti-aliased edge keeps the true area";
  EXPECT_FLOAT_EQ(layer.At(20, 20).A, 1.0f);
  EXPECT_FLOAT_EQ(layer.At(2, 2).A, 0.0f);
  const float edge = layer.At(29, 20).A;  // pixel centre 29.5 lies half a pixel inside
  EXPECT_GT(edge, 0.5f);
  EXPECT_LT(edge, 1.0f);
}

TEST(Layer, OverCompositesPremultipliedColour) {
  TLayer base(1, 1), top(1, 1);
  base.Blend(0, 0, Rgb(0, 0, 255), 1.0f);
  top.Blend(0, 0, Rgb(255, 0, 0), 0.25f);
  base.Over(top);
  EXPECT_NEAR(base.At(0, 0).R, 0.25f, 1e-5);
  EXPECT_NEAR(base.At(0, 0).B, 0.75f, 1e-5);
  EXPECT_NEAR(base.At(0, 0).A, 1.0f, 1e-5);
}

TEST(Layer, BlurSpreadsWithoutLosingLight) {
  TLayer layer(41, 41);
  layer.Blend(20, 20, Rgb(255, 255, 255), 1.0f);
  const TLayer blurred = layer.Blurred(4.0f);
  EXPECT_NEAR(TotalAlpha(blurred), 1.0, 1e-3);
  EXPECT_LT(blurred.At(20, 20).A, 0.2f);
  EXPECT_FLOAT_EQ(blurred.At(17, 20).A, blurred.At(23, 20).A) << "symmetric";
  EXPECT_FLOAT_EQ(blurred.At(20, 17).A, blurred.At(20, 23).A);
}

TEST(Layer, RotateAndCropKeepPixelsInPlace) {
  TLayer layer(4, 2);
  layer.Blend(3, 0, Rgb(255, 0, 0), 1.0f);  // top-right
  const TLayer turned = layer.RotatedLeft();
  ASSERT_EQ(turned.Width(), 2);
  ASSERT_EQ(turned.Height(), 4);
  EXPECT_FLOAT_EQ(turned.At(0, 0).R, 1.0f) << "top-right turns to top-left";
  const TLayer piece = layer.Cropped(2, 0, 5, 1);
  EXPECT_FLOAT_EQ(piece.At(1, 0).R, 1.0f);
  EXPECT_FLOAT_EQ(piece.At(4, 0).A, 0.0f) << "outside the source stays empty";
}

TEST(Shapes, DistancesHaveTheRightSign) {
  EXPECT_LT(RoundBoxDistance(5, 5, 0, 0, 10, 10, 2), 0);
  EXPECT_NEAR(RoundBoxDistance(15, 5, 0, 0, 10, 10, 2), 5, 1e-4);
  EXPECT_NEAR(SegmentDistance(5, 3, 0, 0, 10, 0, 1), 2, 1e-4);
  const float xs[3] = {0, 10, 0}, ys[3] = {0, 5, 10};
  EXPECT_LT(PolygonDistance(3, 5, xs, ys), 0);
  EXPECT_GT(PolygonDistance(-3, 5, xs, ys), 0);
  const float cx[3] = {0, 5, 10}, cy[3] = {0, 0, 0};
  EXPECT_NEAR(TaperedCurveDistance(0, 0, cx, cy, 2, 0), -2, 0.1) << "thick at its start";
  EXPECT_GT(TaperedCurveDistance(10, 1, cx, cy, 2, 0), 0.5) << "thin at its end";
}

TEST(Glyphs, TextIsDrawnWhereAskedAndTrackingWidens) {
  TFontFace face;
  face.SetPixelSize(20);
  EXPECT_NEAR(face.CapHeight(), 14.6, 1.0) << "DejaVu capitals are about 0.73 em";
  EXPECT_NEAR(face.TextWidth(U"AB", 5) - face.TextWidth(U"AB"), 5, 1e-4);
  TLayer layer(40, 30);
  face.DrawText(layer, U"H", 10, 22);
  float inkLeft = 1e9f, inkTop = 1e9f, inkBottom = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (layer.At(x, y).A > 0.5f) {
        inkLeft = std::min(inkLeft, static_cast<float>(x));
        inkTop = std::min(inkTop, static_cast<float>(y));
        inkBottom = std::max(inkBottom, static_cast<float>(y));
      }
    }
  }
  EXPECT_GE(inkLeft, 10);
  EXPECT_NEAR(inkBottom, 21, 1) << "the baseline";
  EXPECT_NEAR(inkTop, 22 - face.CapHeight(), 1.5);
}

TEST(Glyphs, DilationGrowsASilhouette) {
  TLayer dot(9, 9);
  dot.Blend(4, 4, Rgb(255, 255, 255), 1.0f);
  const TLayer grown = Dilated(dot, 2.0f);
  EXPECT_FLOAT_EQ(grown.At(6, 4).A, 1.0f);
  EXPECT_FLOAT_EQ(grown.At(4, 8).A, 0.0f);
}

}  // namespace
