// The keyboard state, sampled once per frame, indexed by Windows virtual-key code.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

class IKeyboardBackend;

class TKeyboard {
 public:
  explicit TKeyboard(IKeyboardBackend& backend) : backend_(backend) {}
  bool Enabled = true;
  // When set, every key reads up while the game's window is not the foreground window.
  bool ActiveOnly = true;
  // While set, Update takes these states instead of the keyboard's (a replay is playing).
  const std::array<uint8_t, 256>* ForcedKeys = nullptr;
  // Bit 7 set = key down; rebuilt by Update.
  std::array<uint8_t, 256> KeyStates{};
  // True when the key was down at the last Update; false for codes outside 1..255.
  bool Keys(int32_t code) const {
    return code >= 1 && code <= 255 && (KeyStates[static_cast<size_t>(code)] & 0x80) != 0;
  }
  void Update();

 private:
  IKeyboardBackend& backend_;
};

class TDXInput {
 public:
  explicit TDXInput(IKeyboardBackend& backend) : Keyboard(backend) {}
  bool UseDirectInput = true;
  bool ActiveOnly = true;
  TKeyboard Keyboard;
  // Samples the keyboard under this component's ActiveOnly setting.
  void Update() {
    Keyboard.ActiveOnly = ActiveOnly;
    Keyboard.Update();
  }
};

// Virtual-key codes the game reads.
constexpr int32_t VK_RETURN = 13;
constexpr int32_t VK_ESCAPE = 27;
constexpr int32_t VK_SPACE = 32;
constexpr int32_t VK_LEFT = 37;
constexpr int32_t VK_UP = 38;
constexpr int32_t VK_RIGHT = 39;
constexpr int32_t VK_DOWN = 40;
constexpr int32_t VK_M = 77;
constexpr int32_t VK_F1 = 112;
