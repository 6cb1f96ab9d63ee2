// Signed distances of the simple shapes the artwork is built from (negative inside, pixels).
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

inline float CircleDistance(float px, float py, float cx, float cy, float radius) {
  return std::hypot(px - cx, py - cy) - radius;
}

inline float EllipseRingDistance(float px, float py, float cx, float cy, float rx, float ry,
                                 float halfWidth) {
  // Approximate: scaled distance to the ellipse outline.
  const float dx = (px - cx) / rx, dy = (py - cy) / ry;
  const float k = std::hypot(dx, dy);
  const float grad = std::hypot(dx / rx, dy / ry);
  return std::fabs(k - 1.0f) * k / std::max(grad, 1e-4f) - halfWidth;
}

// Rounded rectangle from (left, top) to (right, bottom) with corner radius r.
inline float RoundBoxDistance(float px, float py, float left, float top, float right, float bottom,
                              float r) {
  const float cx = (left + right) / 2, cy = (top + bottom) / 2;
  const float hx = (right - left) / 2 - r, hy = (bottom - top) / 2 - r;
  const float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
  return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
}

// A line segment from (ax, ay) to (bx, by) with round ends, `halfWidth` either side.
inline float SegmentDistance(float px, float py, float ax, float ay, float bx, float by,
                             float halfWidth) {
  const float vx = bx - ax, vy = by - ay;
  const float len2 = vx * vx + vy * vy;
  const float t = len2 > 0 ? std::clamp(((px - ax) * vx + (py - ay) * vy) / len2, 0.0f, 1.0f) : 0;
  return std::hypot(px - ax - vx * t, py - ay - vy * t) - halfWidth;
}

// Convex polygon given by its corners in clockwise screen order.
template <size_t N>
float PolygonDistance(float px, float py, const float (&xs)[N], const float (&ys)[N]) {
  float d = -1e9f;
  for (size_t i = 0; i < N; ++i) {
    const size_t j = (i + 1) % N;
    const float ex = xs[j] - xs[i], ey = ys[j] - ys[i];
    const float len = std::hypot(ex, ey);
    // Outward normal of a clockwise edge on a y-down screen.
    const float nx = -ey / len, ny = ex / len;
    d = std::max(d, (px - xs[i]) * -nx + (py - ys[i]) * -ny);
  }
  return d;
}

// Deterministic hash noise in 0..1 for integer lattice points.
inline float Hash2(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777215.0f;
}

// Smooth value noise and a few octaves of it.
inline float ValueNoise(float x, float y, uint32_t seed) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const float fx = x - ix, fy = y - iy;
  const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const float a = Hash2(ix, iy, seed), b = Hash2(ix + 1, iy, seed);
  const float c = Hash2(ix, iy + 1, seed), d = Hash2(ix + 1, iy + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

inline float FractalNoise(float x, float y, uint32_t seed, int octaves) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += ValueNoise(x, y, seed + o * 17) * amp;
    norm += amp;
    x *= 2.03f, y *= 2.03f, amp *= 0.5f;
  }
  return sum / norm;
}

// A quadratic curve from p0 through control point p1 to p2 whose half-width narrows
// from w0 to w1: brush strokes, claws and tails.
inline float TaperedCurveDistance(float px, float py, const float (&xs)[3], const float (&ys)[3],
                                  float w0, float w1) {
  constexpr int kSteps = 48;
  float best = 1e9f, lx = xs[0], ly = ys[0];
  for (int i = 1; i <= kSteps; ++i) {
    const float t = static_cast<float>(i) / kSteps, u = 1 - t;
    const float x = u * u * xs[0] + 2 * u * t * xs[1] + t * t * xs[2];
    const float y = u * u * ys[0] + 2 * u * t * ys[1] + t * t * ys[2];
    const float width = w0 + (w1 - w0) * (t - 0.5f / kSteps);
    best = std::min(best, SegmentDistance(px, py, lx, ly, x, y, width));
    lx = x, ly = y;
  }
  return best;
}
