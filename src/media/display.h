// The display: the 640x480 back surface, the drawable test and the flip, over a platform back end.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "media/surface.h"

class IDisplayBackend;
class TPictureCollection;

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

  void Initialize();
  void Finalize();
  bool Initialized() const { return initialized_; }
  TDirectDrawSurface& Surface() { return surface_; }
  bool CanDraw();
  void Flip();

  void Attach(TPictureCollection& list);

 private:
  IDisplayBackend& backend_;
  TDirectDrawSurface surface_;
  bool initialized_ = false;
  bool initializing_ = false;
  std::vector<TPictureCollection*> imageLists_;
};
