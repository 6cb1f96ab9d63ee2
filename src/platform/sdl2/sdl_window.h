// The game's one SDL window: full screen as a desktop-sized window showing the 640x480 picture
// scaled with its proportions kept (sharp or by whole numbers), or a resizable window opening at
// the largest whole multiple of 640x480 its monitor's work area holds; presented at the
// vertical blank.
#pragma once
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/backend.h"
#include "platform/sdl2/sdl_display_settings.h"

class TSdlWindow : public IDisplayBackend {
 public:
  // Creates the window, hidden, 640x480 at the desktop centre. Raises std::runtime_error.
  TSdlWindow();
  ~TSdlWindow() override;
  TSdlWindow(const TSdlWindow&) = delete;
  TSdlWindow& operator=(const TSdlWindow&) = delete;

  bool Open(int32_t width, int32_t height, bool fullScreen) override;
  void Close() override;
  bool CanPresent() override;
  void Present(const TDirectDrawSurface& surface) override;
  bool SurfacesLost() override { return lost_; }
  bool RestoreSurfaces() override;
  void SavePlacement() override;
  void RestorePlacement() override;
  void ShowCursor(bool visible) override;
  void SetBorderless(bool borderless) override;

  SDL_Window* Handle() const { return window_; }
  bool HasFocus() const;
  // Alt+Enter: between full screen and a window.
  void ToggleFullScreen();
  // The choice remembered from the last run: a window even when the game asks for full screen,
  // the monitor to show it on and the scaling. Called before Open.
  void UseDisplaySettings(const TDisplaySettings& settings);
  // The choice as it stands now, to be remembered.
  TDisplaySettings CurrentDisplaySettings() const;
  // The renderer dropped its textures (device reset): rebuilt on the next drawable test.
  void MarkSurfacesLost() { lost_ = true; }
  // The window was exposed, resized or moved: the next frame is shown even when unchanged.
  void Invalidate() { shownValid_ = false; }
  // Whether Present ran since the last call (the message loop idles a little when it did not).
  bool TakePresented();

 private:
  bool CreateRenderer();
  void DestroyRenderer();
  void EnterFullScreen(bool fullScreen);
  // The window at the largest whole multiple of the picture the monitor's work area holds,
  // centred in it.
  void PlaceWindowOn(int display);
  void PaceToRefreshRate();
  bool ShowsSameFrame(const TDirectDrawSurface& surface, int outputWidth, int outputHeight) const;
  void DrawScaled(int outputWidth, int outputHeight);
  bool PrepareSharpTexture(int32_t factor);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Texture* sharpTexture_ = nullptr;  // the picture at a whole multiple, scaled down smoothly
  int32_t sharpFactor_ = 0;
  TScaling scaling_ = TScaling::Sharp;
  // The frame on screen, so a still picture is not sent through the renderer again.
  std::vector<uint32_t> shown_;
  int shownWidth_ = 0, shownHeight_ = 0;
  bool shownValid_ = false;
  int32_t width_ = 640;
  int32_t height_ = 480;
  bool fullScreen_ = false;
  bool preferWindow_ = false;
  bool lost_ = false;
  bool vsync_ = false;
  bool presented_ = false;
  bool placePending_ = false;  // the window is placed once it has been shown
  uint64_t lastPresent_ = 0;
  int savedX_ = 0, savedY_ = 0, savedWidth_ = 640, savedHeight_ = 480;
};
