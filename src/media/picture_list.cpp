// The picture list: named items, their life cycle with the display, and the cutting into patterns.
#include "media/picture_list.h"

#include <algorithm>
#include <cstring>

#include "media/display.h"

TPictureCollectionItem::TPictureCollectionItem(TPictureCollection& owner) : owner_(owner) {}

TPictureCollectionItem::~TPictureCollectionItem() {
  owner_.index_.Remove(this, name_);
}

void TPictureCollectionItem::SetName(std::string name) {
  owner_.index_.Enter(this, name_, name);
  name_ = std::move(name);
}

void TPictureCollectionItem::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  const uint32_t key = ColorToPixel(color);
  if (surface_.ColorKey == key) return;
  surface_.ColorKey = key;
  if (!patterns_.empty()) BuildOpaqueSpans();
}

int32_t TPictureCollectionItem::EffectivePatternWidth() const {
  return PatternWidth > 0 ? PatternWidth : Picture.Width;
}

int32_t TPictureCollectionItem::EffectivePatternHeight() const {
  return PatternHeight > 0 ? PatternHeight : Picture.Height;
}

void TPictureCollectionItem::Finalize() {
  surface_ = TDirectDrawSurface();
  patterns_.clear();
  spans_.clear();
  spanRowStarts_.clear();
  initialized_ = false;
}

void TPictureCollectionItem::Restore() {
  patterns_.clear();
  spans_.clear();
  spanRowStarts_.clear();
  if (Picture.Empty()) {
    surface_.SetSize(0, 0);
    return;
  }
  // A picture whose pixel list came up short keeps black for the missing pixels.
  surface_.Assign(Picture.Width, Picture.Height, Picture.Pixels);
  surface_.ColorKey = ColorToPixel(transparentColor_);
  LayOutPatterns();
  BuildOpaqueSpans();
}

void TPictureCollectionItem::LayOutPatterns() {
  const int64_t width = Picture.Width;
  const int64_t height = Picture.Height;
  const int64_t patternWidth = EffectivePatternWidth();
  const int64_t patternHeight = EffectivePatternHeight();
  if (patternWidth == width && patternHeight == height) {
    patterns_.push_back({TRect{0, 0, Picture.Width, Picture.Height}});
    return;
  }
  const int64_t stepX = patternWidth + SkipWidth;
  const int64_t stepY = patternHeight + SkipHeight;
  // Gaps that eat a whole pattern or more leave no pattern rather than dividing by zero.
  if (stepX <= 0 || stepY <= 0) return;
  const int64_t columns = (width + SkipWidth) / stepX;
  const int64_t rows = (height + SkipHeight) / stepY;
  if (columns <= 0 || rows <= 0) return;
  patterns_.reserve(static_cast<size_t>(columns * rows));
  for (int64_t row = 0; row < rows; ++row) {
    for (int64_t column = 0; column < columns; ++column) {
      const auto left = static_cast<int32_t>(column * stepX);
      const auto top = static_cast<int32_t>(row * stepY);
      patterns_.push_back({TRect{left, top, left + static_cast<int32_t>(patternWidth),
                                 top + static_cast<int32_t>(patternHeight)}});
    }
  }
}

void TPictureCollectionItem::BuildOpaqueSpans() {
  spans_.clear();
  spanRowStarts_.clear();
  const uint32_t key = surface_.ColorKey;
  for (const auto& pattern : patterns_) {
    const TRect& rect = pattern.Rect;
    for (int32_t y = rect.Top; y < rect.Bottom; ++y) {
      spanRowStarts_.push_back(static_cast<uint32_t>(spans_.size()));
      const uint32_t* row = surface_.Row(y) + rect.Left;
      const int32_t width = rect.Width();
      int32_t x = 0;
      while (x < width) {
        while (x < width && row[x] == key) ++x;
        const int32_t start = x;
        while (x < width && row[x] != key) ++x;
        if (x > start) spans_.push_back({start, x - start});
      }
    }
  }
  spanRowStarts_.push_back(static_cast<uint32_t>(spans_.size()));
}

TPictureCollection::TPictureCollection() = default;

TPictureCollection::~TPictureCollection() {
  Clear();
}

TPictureCollectionItem* TPictureCollection::FindOrNull(std::string_view name) {
  return index_.Find(name);
}

TPictureCollectionItem& TPictureCollection::Find(std::string_view name) {
  if (auto* item = FindOrNull(name)) return *item;
  throw EPictureCollectionError("Image '" + std::string(name) + "' not found");
}

TPictureCollectionItem& TPictureCollection::Add() {
  items_.push_back(std::make_unique<TPictureCollectionItem>(*this));
  return *items_.back();
}

void TPictureCollection::Clear() {
  items_.clear();
  index_.Clear();
}

void TPictureCollection::Initialize(TDXDraw* display) {
  if (display != nullptr) Display = display;
  if (!DisplayInitialized()) {
    throw EPictureCollectionError("TPictureCollection cannot be initialized");
  }
  for (auto& item : items_) item->Initialize();
}

void TPictureCollection::Finalize() {
  for (auto& item : items_) item->Finalize();
}

void TPictureCollection::Restore() {
  for (auto& item : items_) item->Restore();
}

bool TPictureCollection::DisplayInitialized() const {
  return Display != nullptr && Display->Initialized();
}
