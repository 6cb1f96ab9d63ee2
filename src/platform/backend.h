// The seam between the game core and the machine: what the media layer asks of a platform back end.
// The SDL2 back end serves a real window, keyboard and audio device; the headless one serves
// scripted keys, an in-memory picture and no clock of its own.
#pragma once
#include <array>
#include <cstdint>

class TDirectDrawSurface;

// The platform's millisecond clock (wraps at 2^32). Read only by the frame timer.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual uint32_t Milliseconds() = 0;
};

// The presentation of the back surface. Called by TDXDraw on the game thread.
class IDisplayBackend {
 public:
  virtual ~IDisplayBackend() = default;
  // Sets up full-screen (or windowed) presentation of a width x height 32-bit picture.
  // Returns false when no presentation can be made.
  virtual bool Open(int32_t width, int32_t height, bool fullScreen) = 0;
  virtual void Close() = 0;
  // False while the presentation cannot take a picture (for instance minimised).
  virtual bool CanPresent() = 0;
  // Shows the picture at the next vertical blank (or paces to the refresh rate).
  virtual void Present(const TDirectDrawSurface& surface) = 0;
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
