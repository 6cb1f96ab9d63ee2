// The seam between the game core and the machine: what the media layer asks of a platform back end.
// The SDL2 back end serves a real window, keyboard and audio device; the headless one serves
// scripted keys, an in-memory picture and a clock that moves only when the script says so.
#pragma once
#include <array>
#include <cstdint>

class TDirectDrawSurface;

// The platform's millisecond clock (wraps at 2^32). Read only by the frame timer, once per idle
// pass of the message loop; game time is LagCount, never this clock.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual uint32_t Milliseconds() = 0;
};

// The window and the presentation of the back surface. Called by TDXDraw and by the main window's
// creation and close handlers, on the game thread.
class IDisplayBackend {
 public:
  virtual ~IDisplayBackend() = default;

  // TDXDraw::Initialize: sets up full-screen (or windowed) presentation of a width x height
  // 32-bit picture. Returns false when no presentation can be made at all.
  virtual bool Open(int32_t width, int32_t height, bool fullScreen) = 0;
  // TDXDraw::Finalize: ends the presentation and leaves full screen.
  virtual void Close() = 0;
  // TDXDraw::CanDraw and Flip: false while the presentation cannot take a picture.
  virtual bool CanPresent() = 0;
  // TDXDraw::Flip: shows the picture at the next vertical blank (or paces to the refresh rate).
  virtual void Present(const TDirectDrawSurface& surface) = 0;

  // TDXDraw::CanDraw and Flip: true once after the device dropped what it held for the picture;
  // TDXDraw then calls RestoreSurfaces, clears the back surface and rebuilds the pictures.
  virtual bool SurfacesLost() { return false; }
  // Rebuilds the presentation after a loss; false while that is not possible yet.
  virtual bool RestoreSurfaces() { return true; }

  // Window management of the creation and close handlers (remember and restore the placement,
  // hide and show the mouse cursor, border or none). A back end without a window ignores them.
  virtual void SavePlacement() {}
  virtual void RestorePlacement() {}
  virtual void ShowCursor(bool /*visible*/) {}
  virtual void SetBorderless(bool /*borderless*/) {}
};

// The keyboard. Called by TKeyboard::Update once per frame.
class IKeyboardBackend {
 public:
  virtual ~IKeyboardBackend() = default;
  // Whether the game's window is the foreground window.
  virtual bool IsForeground() = 0;
  // Sets bit 7 of each entry whose virtual key is down; the array arrives cleared.
  virtual void ReadKeys(std::array<uint8_t, 256>& keyStates) = 0;
};
