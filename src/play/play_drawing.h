// Drawing helpers shared by the play, game-over and name-entry screens.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

class TDirectDrawSurface;
class TDirectDrawSurfaceCanvas;
class TPictureCollectionItem;

TDirectDrawSurface& BackSurface();
TDirectDrawSurfaceCanvas& BackCanvas();

// Draws pattern 0 of the named picture, looked up anew on every call as the game does.
void DrawPicture(std::string_view name, int32_t x, int32_t y);

// A picture drawn many times a frame, looked up on its first draw after Forget. The list cannot
// change within a frame, and a name the frame never draws is never looked up, so this behaves as
// a lookup for every draw.
class TFramePicture {
 public:
  explicit TFramePicture(std::string_view name) : name_(name) {}
  void Draw(int32_t x, int32_t y);
  // Called at the start of every frame that uses the picture.
  void Forget() { item_ = nullptr; }

 private:
  std::string_view name_;
  TPictureCollectionItem* item_ = nullptr;
};

// "mm:ss" of a time in ms: minutes t div 60000 and seconds (t div 1000) mod 60, two digits each.
std::string MinutesSeconds(int32_t timeMs);

// Left edge that centres a "font1" text (31 pixels a glyph) about the given doubled centre.
inline int32_t CentredX(int32_t doubledCentre, const std::string& text) {
  return (doubledCentre - 31 * static_cast<int32_t>(text.size())) / 2;
}
