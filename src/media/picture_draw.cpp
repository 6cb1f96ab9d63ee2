// The two picture draws: a keyed rectangle copy and a scaled constant-alpha blend.
#include <algorithm>
#include <cstring>

#include "media/picture_list.h"

namespace {

// Four pixels, and the same 16 bytes seen as eight 16-bit lanes. GCC and clang turn these into
// the machine's vector instructions, or plain code where it has none.
using Pixels4 = uint32_t __attribute__((vector_size(16)));
using Lanes8 = uint16_t __attribute__((vector_size(16)));

inline Pixels4 Load4(const uint32_t* p) {
  Pixels4 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void Store4(uint32_t* p, Pixels4 v) {
  std::memcpy(p, &v, sizeof v);
}

// Copies a run of pixels. Most opaque runs are a few dozen pixels or less, where a call to
// memcpy costs more than the copy; overlapping 16-byte moves cover 4 to 32 pixels without a loop.
inline void CopyPixels(uint32_t* dest, const uint32_t* source, int32_t count) {
  if (count > 32) {
    std::memcpy(dest, source, static_cast<size_t>(count) * sizeof(uint32_t));
  } else if (count >= 16) {
    const Pixels4 a = Load4(source), b = Load4(source + 4);
    const Pixels4 c = Load4(source + 8), d = Load4(source + 12);
    const Pixels4 e = Load4(source + count - 16), f = Load4(source + count - 12);
    const Pixels4 g = Load4(source + count - 8), h = Load4(source + count - 4);
    Store4(dest, a);
    Store4(dest + 4, b);
    Store4(dest + 8, c);
    Store4(dest + 12, d);
    Store4(dest + count - 16, e);
    Store4(dest + count - 12, f);
    Store4(dest + count - 8, g);
    Store4(dest + count - 4, h);
  } else if (count >= 8) {
    const Pixels4 a = Load4(source), b = Load4(source + 4);
    const Pixels4 c = Load4(source + count - 8), d = Load4(source + count - 4);
    Store4(dest, a);
    Store4(dest + 4, b);
    Store4(dest + count - 8, c);
    Store4(dest + count - 4, d);
  } else if (count >= 4) {
    const Pixels4 a = Load4(source), b = Load4(source + count - 4);
    Store4(dest, a);
    Store4(dest + count - 4, b);
  } else {
    for (int32_t i = 0; i < count; ++i) dest[i] = source[i];
  }
}

// Red and green take (s*a + d*(255-a)) div 256; blue takes d + floor((s-d)*a/256), which equals
// (s*a + d*(256-a)) div 256, so blue gets one more d. Every sum stays below 65536, so two
// channels share one 32-bit word, or one 16-bit lane each.
inline uint32_t BlendPixel(uint32_t source, uint32_t dest, uint32_t alpha, uint32_t inverse) {
  const uint32_t redBlue =
      ((source & 0xFF00FF) * alpha + (dest & 0xFF00FF) * inverse + (dest & 0xFF)) >> 8;
  const uint32_t green = ((source & 0xFF00) * alpha + (dest & 0xFF00) * inverse) >> 8;
  return (redBlue & 0xFF00FF) | (green & 0xFF00);
}

inline Pixels4 BlendPixels(Pixels4 source, Pixels4 dest, uint16_t alpha, uint16_t inverse) {
  const Lanes8 redBlue = ((Lanes8)(source & 0xFF00FF) * alpha +
                          (Lanes8)(dest & 0xFF00FF) * inverse + (Lanes8)(dest & 0xFF)) >>
                         8;
  const Lanes8 green =
      ((Lanes8)((source >> 8) & 0xFF00FF) * alpha + (Lanes8)((dest >> 8) & 0xFF00FF) * inverse) >>
      8;
  return (Pixels4)redBlue | ((Pixels4)green << 8);
}

// One destination row of DrawBlended. Source pixel c is sourceRow[columns[c]], or
// sourceRow[columns[0] + c] when the pattern is not scaled across. Pixels equal to key keep
// the destination.
template <bool kFullAlpha, bool kContiguous>
void BlendRow(uint32_t* dest, const uint32_t* sourceRow, const int32_t* columns, int32_t count,
              uint32_t key, uint16_t alpha, uint16_t inverse) {
  int32_t c = 0;
  for (; c + 4 <= count; c += 4) {
    const Pixels4 s = kContiguous ? Load4(sourceRow + columns[0] + c)
                                  : Pixels4{sourceRow[columns[c]], sourceRow[columns[c + 1]],
                                            sourceRow[columns[c + 2]], sourceRow[columns[c + 3]]};
    const Pixels4 d = Load4(dest + c);
    const auto keep = (Pixels4)(s == key);
    const Pixels4 drawn = kFullAlpha ? s : BlendPixels(s, d, alpha, inverse);
    Store4(dest + c, (drawn & ~keep) | (d & keep));
  }
  for (; c < count; ++c) {
    const uint32_t s = sourceRow[kContiguous ? columns[0] + c : columns[c]];
    if (s == key) continue;
    dest[c] = kFullAlpha ? s : BlendPixel(s, dest[c], alpha, inverse);
  }
}

// Columns sampled per pass of DrawBlended; wider rectangles take several passes.
constexpr int32_t kBlendChunk = 1024;

}  // namespace

void TPictureCollectionItem::Draw(TDirectDrawSurface& dest, int32_t x, int32_t y,
                                  int32_t patternIndex) {
  if (!initialized_ || patternIndex < 0 || patternIndex >= PatternCount()) return;
  if (x > dest.Width() || y > dest.Height()) return;
  // 64-bit so that positions far off the surface cannot overflow.
  const TRect& pattern = patterns_[patternIndex].Rect;
  int64_t sl = pattern.Left, st = pattern.Top, sr = pattern.Right, sb = pattern.Bottom;
  int64_t dl = x, dt = y, dr = dl + (sr - sl), db = dt + (sb - st);
  // Each cut moves the opposite rectangle's edge by the same amount, in this order.
  if (dl < 0) {
    sl -= dl;
    dl = 0;
  }
  if (dt < 0) {
    st -= dt;
    dt = 0;
  }
  if (sl < 0) {
    dl -= sl;
    sl = 0;
  }
  if (st < 0) {
    dt -= st;
    st = 0;
  }
  if (dr > dest.Width()) {
    sr -= dr - dest.Width();
    dr = dest.Width();
  }
  if (db > dest.Height()) {
    sb -= db - dest.Height();
    db = dest.Height();
  }
  if (sr > surface_.Width()) {
    dr -= sr - surface_.Width();
    sr = surface_.Width();
  }
  if (sb > surface_.Height()) {
    db -= sb - surface_.Height();
    sb = surface_.Height();
  }
  if (sl >= sr || st >= sb || dl >= dr || dt >= db) return;

  const TRect source{static_cast<int32_t>(sl), static_cast<int32_t>(st),
                     static_cast<int32_t>(sl + std::min(sr - sl, dr - dl)),
                     static_cast<int32_t>(st + std::min(sb - st, db - dt))};
  if (Transparent) {
    DrawKeyedSpans(dest, patternIndex, source, static_cast<int32_t>(dl), static_cast<int32_t>(dt));
    return;
  }
  for (int32_t row = 0; row < source.Height(); ++row) {
    CopyPixels(dest.Row(static_cast<int32_t>(dt) + row) + dl,
               surface_.Row(source.Top + row) + source.Left, source.Width());
  }
}

void TPictureCollectionItem::DrawKeyedSpans(TDirectDrawSurface& dest, int32_t patternIndex,
                                            const TRect& source, int32_t destX, int32_t destY) {
  const TRect& pattern = patterns_[patternIndex].Rect;
  const int32_t firstColumn = source.Left - pattern.Left;
  const int32_t endColumn = source.Right - pattern.Left;
  const bool wholeWidth = firstColumn == 0 && endColumn == pattern.Width();
  const uint32_t* rowStart = spanRowStarts_.data() +
                             static_cast<size_t>(patternIndex) * pattern.Height() +
                             (source.Top - pattern.Top);
  const TOpaqueSpan* spans = spans_.data();
  const uint32_t* sourceRow = surface_.Row(source.Top) + pattern.Left;
  // Pattern column c lands on destination column destX + c - firstColumn.
  uint32_t* destRow = dest.Row(destY) + destX - firstColumn;
  const ptrdiff_t sourceStride = surface_.Width();
  const ptrdiff_t destStride = dest.Width();
  for (int32_t row = source.Top; row < source.Bottom;
       ++row, ++rowStart, sourceRow += sourceStride, destRow += destStride) {
    const TOpaqueSpan* span = spans + rowStart[0];
    const TOpaqueSpan* end = spans + rowStart[1];
    if (wholeWidth) {
      for (; span != end; ++span) {
        CopyPixels(destRow + span->Start, sourceRow + span->Start, span->Length);
      }
      continue;
    }
    for (; span != end; ++span) {
      const int32_t start = std::max(span->Start, firstColumn);
      const int32_t stop = std::min(span->Start + span->Length, endColumn);
      if (start < stop) CopyPixels(destRow + start, sourceRow + start, stop - start);
    }
  }
}

void TPictureCollectionItem::DrawBlended(TDirectDrawSurface& dest, const TRect& destRect,
                                         int32_t patternIndex, int32_t alpha) {
  if (!initialized_ || patternIndex < 0 || patternIndex >= PatternCount() || alpha <= 0) return;
  if (dest.Width() == 0 || dest.Height() == 0) return;
  if (surface_.Width() == 0 || surface_.Height() == 0) return;
  if (destRect.Empty()) return;
  const TRect& source = patterns_[patternIndex].Rect;
  if (source.Left < 0 || source.Left >= source.Right || source.Right > surface_.Width() ||
      source.Top < 0 || source.Top >= source.Bottom || source.Bottom > surface_.Height()) {
    return;
  }

  const int64_t destWidth = static_cast<int64_t>(destRect.Right) - destRect.Left;
  const int64_t destHeight = static_cast<int64_t>(destRect.Bottom) - destRect.Top;
  const int64_t stepX = static_cast<int64_t>(source.Width()) * 65536 / destWidth;
  const int64_t stepY = static_cast<int64_t>(source.Height()) * 65536 / destHeight;
  const int64_t cutLeft = destRect.Left < 0 ? -static_cast<int64_t>(destRect.Left) : 0;
  const int64_t cutTop = destRect.Top < 0 ? -static_cast<int64_t>(destRect.Top) : 0;
  const int32_t left = std::max(destRect.Left, 0);
  const int32_t top = std::max(destRect.Top, 0);
  const int32_t right = std::min(destRect.Right, dest.Width());
  const int32_t bottom = std::min(destRect.Bottom, dest.Height());
  if (left >= right || top >= bottom) return;
  const int32_t width = right - left;
  const int32_t height = bottom - top;

  const int64_t uStart = stepX * cutLeft + static_cast<int64_t>(source.Left) * 65536;
  const int64_t vStart = stepY * cutTop + static_cast<int64_t>(source.Top) * 65536;
  if (uStart < 0 || vStart < 0 || (uStart + stepX * width) / 65536 > surface_.Width() ||
      (vStart + stepY * height) / 65536 > surface_.Height()) {
    return;
  }

  // Surface pixels have a clear top byte, so without transparency a key with bits there never
  // matches and the rows need no second test.
  const uint32_t key = Transparent ? surface_.ColorKey : 0xFF000000u;
  const bool fullAlpha = alpha >= 255;
  const auto a = static_cast<uint16_t>(std::min(alpha, 255));
  const auto inverse = static_cast<uint16_t>(255 - a);
  const bool contiguous = stepX == 65536;
  int32_t columns[kBlendChunk];
  for (int32_t chunkStart = 0; chunkStart < width; chunkStart += kBlendChunk) {
    const int32_t chunkWidth = std::min(kBlendChunk, width - chunkStart);
    for (int32_t c = 0; c < chunkWidth; ++c) {
      columns[c] = static_cast<int32_t>((uStart + stepX * (chunkStart + c)) >> 16);
    }
    for (int32_t r = 0; r < height; ++r) {
      const uint32_t* sourceRow = surface_.Row(static_cast<int32_t>((vStart + stepY * r) >> 16));
      uint32_t* destRow = dest.Row(top + r) + left + chunkStart;
      if (fullAlpha) {
        (contiguous ? BlendRow<true, true> : BlendRow<true, false>)(destRow, sourceRow, columns,
                                                                    chunkWidth, key, a, inverse);
      } else {
        (contiguous ? BlendRow<false, true> : BlendRow<false, false>)(destRow, sourceRow, columns,
                                                                      chunkWidth, key, a, inverse);
      }
    }
  }
}
