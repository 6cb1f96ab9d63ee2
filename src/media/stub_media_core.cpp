// Temporary stand-ins so the tree links; replaced by the real media core.
#include "media/canvas.h"
#include "media/color.h"
#include "media/picture_list.h"

uint32_t ColorToRGB(TColor color) { return static_cast<uint32_t>(color) & 0xFFFFFF; }
uint32_t ColorToPixel(TColor color) {
  const uint32_t rgb = ColorToRGB(color);
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
void TDirectDrawSurfaceCanvas::Rectangle(int32_t, int32_t, int32_t, int32_t) {}
void TDirectDrawSurfaceCanvas::Ellipse(int32_t, int32_t, int32_t, int32_t) {}
void TDirectDrawSurfaceCanvas::MoveTo(int32_t x, int32_t y) { penX_ = x; penY_ = y; }
void TDirectDrawSurfaceCanvas::LineTo(int32_t x, int32_t y) { penX_ = x; penY_ = y; (void)surface_; }
void TDirectDrawSurfaceCanvas::TextOut(int32_t, int32_t, const std::string&) {}
void TDirectDrawSurfaceCanvas::Release() {}

TPictureCollectionItem::TPictureCollectionItem(TPictureCollection& owner) : owner_(owner) {}
TPictureCollectionItem::~TPictureCollectionItem() = default;
void TPictureCollectionItem::SetName(std::string name) {
  owner_.index_.Enter(this, name_, name);
  name_ = std::move(name);
}
void TPictureCollectionItem::SetTransparentColor(TColor color) { transparentColor_ = color; }
int32_t TPictureCollectionItem::EffectivePatternWidth() const { return PatternWidth; }
int32_t TPictureCollectionItem::EffectivePatternHeight() const { return PatternHeight; }
void TPictureCollectionItem::Draw(TDirectDrawSurface&, int32_t, int32_t, int32_t) {}
void TPictureCollectionItem::DrawBlended(TDirectDrawSurface&, const TRect&, int32_t, int32_t) {}
void TPictureCollectionItem::Finalize() { initialized_ = false; }
void TPictureCollectionItem::Restore() {}

TPictureCollection::TPictureCollection() = default;
TPictureCollection::~TPictureCollection() = default;
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
  index_.Clear();
  items_.clear();
}
void TPictureCollection::Initialize(TDXDraw* display) { Display = display; }
void TPictureCollection::Finalize() {}
void TPictureCollection::Restore() {}
bool TPictureCollection::DisplayInitialized() const { return Display != nullptr; }
