// The named picture list: pictures cut into patterns, drawn opaque with a colour key or blended.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "media/color.h"
#include "media/name_index.h"
#include "media/rect.h"
#include "media/surface.h"

class EPictureCollectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A decoded picture: Width x Height pixels, row-major from the top, as $00RRGGBB.
struct TPicture {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint32_t> Pixels;
  bool Empty() const { return Width <= 0 || Height <= 0; }
};

struct TPictureCollectionItemPattern {
  TRect Rect;
};

// A run of pixels of one pattern row that differ from the colour key, in pattern columns.
struct TOpaqueSpan {
  int32_t Start = 0;
  int32_t Length = 0;
};

class TPictureCollection;

class TPictureCollectionItem {
 public:
  explicit TPictureCollectionItem(TPictureCollection& owner);
  ~TPictureCollectionItem();

  const std::string& Name() const { return name_; }
  void SetName(std::string name);

  TPicture Picture;
  int32_t PatternHeight = 0;
  int32_t PatternWidth = 0;
  int32_t SkipHeight = 0;
  int32_t SkipWidth = 0;
  bool SystemMemory = false;
  bool Transparent = true;
  TColor TransparentColor() const { return transparentColor_; }
  // On a restored item the colour key of its surface changes at once.
  void SetTransparentColor(TColor color);

  bool Initialized() const { return initialized_; }
  int32_t EffectivePatternWidth() const;
  int32_t EffectivePatternHeight() const;
  int32_t PatternCount() const { return static_cast<int32_t>(patterns_.size()); }
  const TPictureCollectionItemPattern& Pattern(int32_t index) const { return patterns_[index]; }

  void Draw(TDirectDrawSurface& dest, int32_t x, int32_t y, int32_t patternIndex);
  void DrawBlended(TDirectDrawSurface& dest, const TRect& destRect, int32_t patternIndex,
                   int32_t alpha);

  // Driven by the list: mark drawable, free surfaces, rebuild surface and patterns.
  void Initialize() { initialized_ = true; }
  void Finalize();
  void Restore();

 private:
  TPictureCollection& owner_;
  std::string name_;
  TColor transparentColor_ = clBlack;
  bool initialized_ = false;
  TDirectDrawSurface surface_;
  std::vector<TPictureCollectionItemPattern> patterns_;

  // Keyed draws copy precomputed opaque runs instead of testing every pixel against the key.
  // Row r of pattern p owns spans_[spanRowStarts_[p * h + r] .. spanRowStarts_[p * h + r + 1]),
  // h being the effective pattern height; rebuilt whenever the colour key changes.
  std::vector<TOpaqueSpan> spans_;
  std::vector<uint32_t> spanRowStarts_;
  void LayOutPatterns();
  void BuildOpaqueSpans();
  void DrawKeyedSpans(TDirectDrawSurface& dest, int32_t patternIndex, const TRect& source,
                      int32_t destX, int32_t destY);
};

class TDXDraw;

class TPictureCollection {
 public:
  TPictureCollection();
  ~TPictureCollection();

  // Raises EPictureCollectionError "Image '%s' not found".
  TPictureCollectionItem& Find(std::string_view name);
  // nullptr when no item has the name.
  TPictureCollectionItem* FindOrNull(std::string_view name);
  TPictureCollectionItem& Items(int32_t index) { return *items_[index]; }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  TPictureCollectionItem& Add();
  void Clear();

  // Replaces all items by a container file's content; defined with the container reader.
  void LoadFromFile(const std::string& fileName);

  // Refused (EPictureCollectionError) unless the display is initialized.
  void Initialize(TDXDraw* display);
  void Finalize();
  void Restore();
  bool DisplayInitialized() const;

  std::array<uint8_t, 1024> ColorTable{};
  TDXDraw* Display = nullptr;

 private:
  friend class TPictureCollectionItem;
  std::vector<std::unique_ptr<TPictureCollectionItem>> items_;
  TNameIndex<TPictureCollectionItem> index_;
};

// The image list component on the main window.
struct TDXImageList {
  TPictureCollection Items;
};
