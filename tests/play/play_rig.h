// A main window over in-memory back ends with small test pictures, all sounds and a test level
// set (kind-1 atoms only, so the supply is deterministic), for driving the play screens frame by
// frame.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "shell/main_form.h"

// Surface pixels ($00RRGGBB) of the test pictures.
constexpr uint32_t kAtomPixel = 0x00203040;
constexpr uint32_t kElectronPixel = 0x0000FF00;
constexpr uint32_t kFontPixel = 0x00ABCDEF;
constexpr uint32_t kLeftFramePixel = 0x00808080;

class PlayRig : public ::testing::Test {
 protected:
  struct Clock : IClock {
    uint32_t Milliseconds() override { return 0; }
  };
  struct Display : IDisplayBackend {
    bool drawable = true;
    bool Open(int32_t, int32_t, bool) override { return true; }
    void Close() override {}
    bool CanPresent() override { return drawable; }
    void Present(const TDirectDrawSurface&) override {}
  };
  struct Keyboard : IKeyboardBackend {
    std::vector<int> down;
    bool IsForeground() override { return true; }
    void ReadKeys(std::array<uint8_t, 256>& states) override {
      for (int code : down) states[static_cast<size_t>(code)] = 0x80;
    }
  };

  void SetUp() override;
  void TearDown() override;

  // One frame of the frame handler with exactly these keys down.
  void Frame(int32_t lag, std::initializer_list<int> keys = {});
  void Frames(int count, int32_t lag, std::initializer_list<int> keys = {});

  // Starts a game and plays through its briefing until the board is played.
  void StartAndPlay(uint8_t mode);
  // Frames of 16 ms until the atom in hand rests on the floor (fails after 10 s).
  void WaitForLandedAtom();
  // Slides the cursor to the cell, one press per move.
  void MoveCursorTo(int col, int row);
  // Moves there, waits for the atom in hand and presses Space.
  void PlaceAt(int col, int row);
  // Frames of `lag` until the screen state differs from `state` (fails after `limit` frames).
  void RunWhileScreen(uint8_t state, int32_t lag, int limit = 100000);

  // Counts the sound events "play NAME" / "stop NAME" taken since the last call.
  int Count(const std::vector<std::string>& events, const std::string& event) const;

  uint32_t Pixel(int x, int y) const;

  Clock clock_;
  Display display_;
  Keyboard keyboard_;
  std::unique_ptr<TMainForm> form_;
};
