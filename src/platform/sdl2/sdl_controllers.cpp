// Opening, closing and reading SDL game controllers.
#include "platform/sdl2/sdl_controllers.h"

#include <algorithm>

#include "media/input.h"

namespace {
void Press(std::array<uint8_t, 256>& keyStates, int32_t key) {
  keyStates[static_cast<size_t>(key)] |= 0x80;
}

bool Held(SDL_GameController* controller, SDL_GameControllerButton button) {
  return SDL_GameControllerGetButton(controller, button) != 0;
}

TControllerState ReadState(SDL_GameController* controller) {
  TControllerState state;
  state.DpadUp = Held(controller, SDL_CONTROLLER_BUTTON_DPAD_UP);
  state.DpadDown = Held(controller, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  state.DpadLeft = Held(controller, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  state.DpadRight = Held(controller, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  state.A = Held(controller, SDL_CONTROLLER_BUTTON_A);
  state.B = Held(controller, SDL_CONTROLLER_BUTTON_B);
  state.Back = Held(controller, SDL_CONTROLLER_BUTTON_BACK);
  state.Start = Held(controller, SDL_CONTROLLER_BUTTON_START);
  state.LeftX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
  state.LeftY = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
  return state;
}
}  // namespace

void AddControllerKeys(const TControllerState& state, std::array<uint8_t, 256>& keyStates) {
  if (state.DpadUp || state.LeftY < -kStickDeadZone) Press(keyStates, VK_UP);
  if (state.DpadDown || state.LeftY > kStickDeadZone) Press(keyStates, VK_DOWN);
  if (state.DpadLeft || state.LeftX < -kStickDeadZone) Press(keyStates, VK_LEFT);
  if (state.DpadRight || state.LeftX > kStickDeadZone) Press(keyStates, VK_RIGHT);
  if (state.A) Press(keyStates, VK_SPACE);
  if (state.Start) Press(keyStates, VK_RETURN);
  if (state.B || state.Back) Press(keyStates, VK_ESCAPE);
}

TSdlControllers::~TSdlControllers() {
  for (SDL_GameController* controller : controllers_) SDL_GameControllerClose(controller);
}

void TSdlControllers::HandleEvent(const SDL_Event& event) {
  if (event.type == SDL_CONTROLLERDEVICEADDED) {
    // The added event carries a device index; one already open (announced twice) is not reopened.
    SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
    if (controller == nullptr) return;
    if (std::find(controllers_.begin(), controllers_.end(), controller) != controllers_.end()) {
      SDL_GameControllerClose(controller);  // drops the extra reference the open took
      return;
    }
    controllers_.push_back(controller);
  } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
    // The removed event carries an instance id.
    SDL_GameController* controller = SDL_GameControllerFromInstanceID(event.cdevice.which);
    const auto found = std::find(controllers_.begin(), controllers_.end(), controller);
    if (controller == nullptr || found == controllers_.end()) return;
    SDL_GameControllerClose(controller);
    controllers_.erase(found);
  }
}

void TSdlControllers::AddKeys(std::array<uint8_t, 256>& keyStates) const {
  for (SDL_GameController* controller : controllers_) {
    AddControllerKeys(ReadState(controller), keyStates);
  }
}
