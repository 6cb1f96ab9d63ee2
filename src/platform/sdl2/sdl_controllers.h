// Game controllers as a second keyboard: the d-pad and left stick are the arrows, A is Space,
// Start is Enter, B and Back are Esc. Plugged in or out at any time.
#pragma once
#include <SDL.h>

#include <array>
#include <cstdint>
#include <vector>

// What one controller holds, as far as the game cares.
struct TControllerState {
  bool DpadUp = false, DpadDown = false, DpadLeft = false, DpadRight = false;
  bool A = false, B = false, Back = false, Start = false;
  int16_t LeftX = 0;  // SDL's axis range, -32768..32767; up is negative
  int16_t LeftY = 0;
};

// A stick must move past this before it counts as an arrow: a resting stick drifts.
constexpr int16_t kStickDeadZone = 12000;

// Marks the keys the state holds down (0x80, as the keyboard does) without clearing others.
void AddControllerKeys(const TControllerState& state, std::array<uint8_t, 256>& keyStates);

class TSdlControllers {
 public:
  TSdlControllers() = default;
  ~TSdlControllers();
  TSdlControllers(const TSdlControllers&) = delete;
  TSdlControllers& operator=(const TSdlControllers&) = delete;

  // SDL_CONTROLLERDEVICEADDED and REMOVED; other events are left alone.
  void HandleEvent(const SDL_Event& event);
  // Every open controller's keys, ORed into what the keyboard read.
  void AddKeys(std::array<uint8_t, 256>& keyStates) const;
  size_t Count() const { return controllers_.size(); }

 private:
  std::vector<SDL_GameController*> controllers_;
};
