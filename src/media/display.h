// The display: the 640x480 back surface, the drawable test and the flip, over a platform back end.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "media/surface.h"

class IDisplayBackend;
class TPictureCollection;

// Raised when the display cannot be set up ("Display mode cannot be changed (640x480 32bit)").
class EDirectDrawError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum TDXDrawOption : uint32_t {
  doFullScreen = 1u << 0,
  doNoWindowChange = 1u << 1,
  doAllowReboot = 1u << 2,
  doWaitVBlank = 1u << 3,
  doAllowPalette256 = 1u << 4,
  doSystemMemory = 1u << 5,
  doStretch = 1u << 6,
  doCenter = 1u << 7,
  doFlip = 1u << 8,
  do3D = 1u << 9,
  doRetainedMode = 1u << 10,
  doHardware = 1u << 11,
  doSelectDriver = 1u << 12,
  doZBuffer = 1u << 13,
};

class TDXDraw {
 public:
  explicit TDXDraw(IDisplayBackend& backend);

  int32_t SurfaceWidth = 640;
  int32_t SurfaceHeight = 480;
  uint32_t Options = 0;
  std::function<void()> OnInitialize;
  std::function<void()> OnFinalize;

  // Tears down first when set up; then opens the presentation, initializes the attached image
  // lists, fires OnInitialize and restores the lists. Raises EDirectDrawError on failure, leaving
  // the display torn down.
  void Initialize();
  // Only when set up: fires OnFinalize, finalizes the image lists, closes the presentation.
  void Finalize();
  bool Initialized() const { return initialized_; }
  TDirectDrawSurface& Surface() { return surface_; }
  // Whether the back surface may be drawn on and flipped now; repairs lost surfaces on the way.
  bool CanDraw();
  // While a replay plays: CanDraw answers as the recorded frame did; Flip may be held back
  // (frames played faster than they are shown).
  std::optional<bool> ForcedDrawable;
  bool PresentHeld = false;
  // Shows the back surface (at the vertical blank); does nothing when it cannot be shown.
  void Flip();

  void Attach(TPictureCollection& list);

 private:
  bool SurfacesUsable();

  IDisplayBackend& backend_;
  TDirectDrawSurface surface_;
  bool initialized_ = false;
  bool initializing_ = false;
  std::vector<TPictureCollection*> imageLists_;
};
