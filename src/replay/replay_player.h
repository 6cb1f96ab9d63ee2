// Plays a replay through a main window of its own: the recorded keys, frame lengths and display
// states, started from the mode choice as the recorded game found it.
#pragma once
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "platform/backend.h"
#include "replay/replay.h"

class TMainForm;
class TMixer;

class TReplayClock : public IClock {
 public:
  uint32_t Milliseconds() override { return now_; }
  void Advance(int32_t ms) { now_ += static_cast<uint32_t>(ms); }

 private:
  uint32_t now_ = 0;
};

class TReplayKeyboard : public IKeyboardBackend {
 public:
  bool IsForeground() override { return true; }
  void ReadKeys(std::array<uint8_t, 256>& keyStates) override;
  uint16_t Keys = 0;  // bits by kReplayKeys
};

// Whether the game may draw follows the recording; the picture goes to `shown` when there is one
// and it can take it.
class TReplayDisplay : public IDisplayBackend {
 public:
  explicit TReplayDisplay(IDisplayBackend* shown) : shown_(shown) {}
  bool Open(int32_t width, int32_t height, bool fullScreen) override;
  void Close() override;
  bool CanPresent() override { return Drawable; }
  void Present(const TDirectDrawSurface& surface) override;
  bool Drawable = true;

 private:
  IDisplayBackend* shown_;
};

struct TReplayPlayerOptions {
  IDisplayBackend* Shown = nullptr;  // nullptr: no picture kept
  TMixer* Mixer = nullptr;           // nullptr: silent
  // Paint into a one-pixel surface: every state stays the same, only the picture is lost.
  bool Paint = true;
};

class TReplayPlayer {
 public:
  TReplayPlayer(const TReplay& replay, const TReplayPlayerOptions& options);
  ~TReplayPlayer();

  // Runs the window's creation handler and sets up the mode choice as the game found it.
  // Raises EReplayError when the data set does not load or its gameplay data differ.
  void Start();
  // Plays one recorded frame; false (and nothing played) once the game has ended.
  bool Step();
  bool Ended() const { return ended_ || played_ == replay_.Frames.size(); }
  size_t FramesPlayed() const { return played_; }
  TReplayResult Reached() const;
  // "FIELD GOT (claimed X)" for the first difference from the claimed result, or nothing.
  std::optional<std::string> Difference() const;
  TMainForm& Form() { return *form_; }

 private:
  const TReplay& replay_;
  TReplayClock clock_;
  TReplayKeyboard keyboard_;
  TReplayDisplay display_;
  std::unique_ptr<TMainForm> form_;
  size_t played_ = 0;
  bool ended_ = false;
};
