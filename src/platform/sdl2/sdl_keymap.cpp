// The scancode table: every physical key SDL knows that Windows gives a virtual-key code.
#include "platform/sdl2/sdl_keymap.h"

#include <array>

namespace {
struct TKeyPair {
  SDL_Scancode Scancode;
  int32_t VirtualKey;
};

// Letters and digits are filled in by loops below; everything else is listed here.
constexpr TKeyPair kKeys[] = {
    {SDL_SCANCODE_RETURN, 0x0D},
    {SDL_SCANCODE_ESCAPE, 0x1B},
    {SDL_SCANCODE_BACKSPACE, 0x08},
    {SDL_SCANCODE_TAB, 0x09},
    {SDL_SCANCODE_SPACE, 0x20},
    {SDL_SCANCODE_MINUS, 0xBD},         // VK_OEM_MINUS
    {SDL_SCANCODE_EQUALS, 0xBB},        // VK_OEM_PLUS
    {SDL_SCANCODE_LEFTBRACKET, 0xDB},   // VK_OEM_4
    {SDL_SCANCODE_RIGHTBRACKET, 0xDD},  // VK_OEM_6
    {SDL_SCANCODE_BACKSLASH, 0xDC},     // VK_OEM_5
    {SDL_SCANCODE_NONUSHASH, 0xDC},     // same position as the backslash key
    {SDL_SCANCODE_SEMICOLON, 0xBA},     // VK_OEM_1
    {SDL_SCANCODE_APOSTROPHE, 0xDE},    // VK_OEM_7
    {SDL_SCANCODE_GRAVE, 0xC0},         // VK_OEM_3
    {SDL_SCANCODE_COMMA, 0xBC},         // VK_OEM_COMMA
    {SDL_SCANCODE_PERIOD, 0xBE},        // VK_OEM_PERIOD
    {SDL_SCANCODE_SLASH, 0xBF},         // VK_OEM_2
    {SDL_SCANCODE_CAPSLOCK, 0x14},
    {SDL_SCANCODE_PRINTSCREEN, 0x2C},  // VK_SNAPSHOT
    {SDL_SCANCODE_SCROLLLOCK, 0x91},
    {SDL_SCANCODE_PAUSE, 0x13},
    {SDL_SCANCODE_INSERT, 0x2D},
    {SDL_SCANCODE_HOME, 0x24},
    {SDL_SCANCODE_PAGEUP, 0x21},
    {SDL_SCANCODE_DELETE, 0x2E},
    {SDL_SCANCODE_END, 0x23},
    {SDL_SCANCODE_PAGEDOWN, 0x22},
    {SDL_SCANCODE_RIGHT, 0x27},
    {SDL_SCANCODE_LEFT, 0x25},
    {SDL_SCANCODE_DOWN, 0x28},
    {SDL_SCANCODE_UP, 0x26},
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x90},
    {SDL_SCANCODE_KP_DIVIDE, 0x6F},
    {SDL_SCANCODE_KP_MULTIPLY, 0x6A},
    {SDL_SCANCODE_KP_MINUS, 0x6D},
    {SDL_SCANCODE_KP_PLUS, 0x6B},
    {SDL_SCANCODE_KP_ENTER, 0x0D},  // Windows reports the keypad Enter as Enter
    {SDL_SCANCODE_KP_1, 0x61},
    {SDL_SCANCODE_KP_2, 0x62},
    {SDL_SCANCODE_KP_3, 0x63},
    {SDL_SCANCODE_KP_4, 0x64},
    {SDL_SCANCODE_KP_5, 0x65},
    {SDL_SCANCODE_KP_6, 0x66},
    {SDL_SCANCODE_KP_7, 0x67},
    {SDL_SCANCODE_KP_8, 0x68},
    {SDL_SCANCODE_KP_9, 0x69},
    {SDL_SCANCODE_KP_0, 0x60},
    {SDL_SCANCODE_KP_PERIOD, 0x6E},       // VK_DECIMAL
    {SDL_SCANCODE_NONUSBACKSLASH, 0xE2},  // VK_OEM_102
    {SDL_SCANCODE_APPLICATION, 0x5D},     // VK_APPS
    {SDL_SCANCODE_KP_EQUALS, 0x92},       // VK_OEM_NEC_EQUAL
    {SDL_SCANCODE_F13, 0x7C},
    {SDL_SCANCODE_F14, 0x7D},
    {SDL_SCANCODE_F15, 0x7E},
    {SDL_SCANCODE_F16, 0x7F},
    {SDL_SCANCODE_F17, 0x80},
    {SDL_SCANCODE_F18, 0x81},
    {SDL_SCANCODE_F19, 0x82},
    {SDL_SCANCODE_F20, 0x83},
    {SDL_SCANCODE_F21, 0x84},
    {SDL_SCANCODE_F22, 0x85},
    {SDL_SCANCODE_F23, 0x86},
    {SDL_SCANCODE_F24, 0x87},
    {SDL_SCANCODE_EXECUTE, 0x2B},
    {SDL_SCANCODE_HELP, 0x2F},
    {SDL_SCANCODE_MENU, 0x5D},
    {SDL_SCANCODE_SELECT, 0x29},
    {SDL_SCANCODE_STOP, 0xA9},  // VK_BROWSER_STOP
    {SDL_SCANCODE_MUTE, 0xAD},
    {SDL_SCANCODE_VOLUMEUP, 0xAF},
    {SDL_SCANCODE_VOLUMEDOWN, 0xAE},
    {SDL_SCANCODE_KP_COMMA, 0x6C},        // VK_SEPARATOR
    {SDL_SCANCODE_KP_EQUALSAS400, 0x92},  // VK_OEM_NEC_EQUAL
    {SDL_SCANCODE_INTERNATIONAL1, 0xC1},  // VK_ABNT_C1 (the "ro" key)
    {SDL_SCANCODE_INTERNATIONAL2, 0x15},  // VK_KANA
    {SDL_SCANCODE_INTERNATIONAL3, 0xDC},  // the yen key sits where VK_OEM_5 is
    {SDL_SCANCODE_INTERNATIONAL4, 0x1C},  // VK_CONVERT
    {SDL_SCANCODE_INTERNATIONAL5, 0x1D},  // VK_NONCONVERT
    {SDL_SCANCODE_INTERNATIONAL6, 0xC2},  // VK_ABNT_C2 (keypad comma of JIS keyboards)
    {SDL_SCANCODE_LANG1, 0x15},           // VK_HANGUL
    {SDL_SCANCODE_LANG2, 0x19},           // VK_HANJA
    {SDL_SCANCODE_LANG3, 0xF1},           // VK_OEM_FINISH (katakana)
    {SDL_SCANCODE_LANG4, 0xF2},           // VK_OEM_COPY (hiragana)
    {SDL_SCANCODE_LANG5, 0xF3},           // VK_OEM_AUTO (zenkaku/hankaku)
    {SDL_SCANCODE_SYSREQ, 0x2C},          // Alt+Print Screen
    {SDL_SCANCODE_CANCEL, 0x03},
    {SDL_SCANCODE_CLEAR, 0x0C},
    {SDL_SCANCODE_PRIOR, 0x21},
    {SDL_SCANCODE_RETURN2, 0x0D},
    {SDL_SCANCODE_SEPARATOR, 0x6C},
    {SDL_SCANCODE_CRSEL, 0xF7},
    {SDL_SCANCODE_EXSEL, 0xF8},
    {SDL_SCANCODE_KP_TAB, 0x09},
    {SDL_SCANCODE_KP_BACKSPACE, 0x08},
    {SDL_SCANCODE_KP_SPACE, 0x20},
    {SDL_SCANCODE_KP_CLEAR, 0x0C},
    {SDL_SCANCODE_LCTRL, 0xA2},
    {SDL_SCANCODE_LSHIFT, 0xA0},
    {SDL_SCANCODE_LALT, 0xA4},
    {SDL_SCANCODE_LGUI, 0x5B},  // VK_LWIN
    {SDL_SCANCODE_RCTRL, 0xA3},
    {SDL_SCANCODE_RSHIFT, 0xA1},
    {SDL_SCANCODE_RALT, 0xA5},
    {SDL_SCANCODE_RGUI, 0x5C},  // VK_RWIN
    {SDL_SCANCODE_MODE, 0x1F},  // VK_MODECHANGE
    {SDL_SCANCODE_AUDIONEXT, 0xB0},
    {SDL_SCANCODE_AUDIOPREV, 0xB1},
    {SDL_SCANCODE_AUDIOSTOP, 0xB2},
    {SDL_SCANCODE_AUDIOPLAY, 0xB3},
    {SDL_SCANCODE_AUDIOMUTE, 0xAD},
    {SDL_SCANCODE_MEDIASELECT, 0xB5},
    {SDL_SCANCODE_WWW, 0xAC},  // VK_BROWSER_HOME
    {SDL_SCANCODE_MAIL, 0xB4},
    {SDL_SCANCODE_CALCULATOR, 0xB7},  // VK_LAUNCH_APP2
    {SDL_SCANCODE_COMPUTER, 0xB6},    // VK_LAUNCH_APP1
    {SDL_SCANCODE_AC_SEARCH, 0xAA},
    {SDL_SCANCODE_AC_HOME, 0xAC},
    {SDL_SCANCODE_AC_BACK, 0xA6},
    {SDL_SCANCODE_AC_FORWARD, 0xA7},
    {SDL_SCANCODE_AC_STOP, 0xA9},
    {SDL_SCANCODE_AC_REFRESH, 0xA8},
    {SDL_SCANCODE_AC_BOOKMARKS, 0xAB},
    {SDL_SCANCODE_SLEEP, 0x5F},
};

struct TPunctuationKey {
  SDL_Keycode Keycode;
  int32_t VirtualKey;
};
constexpr TPunctuationKey kPunctuation[] = {
    {',', 0xBC}, {'.', 0xBE}, {';', 0xBA},  {'/', 0xBF},  {'-', 0xBD}, {'=', 0xBB},
    {'[', 0xDB}, {']', 0xDD}, {'\\', 0xDC}, {'\'', 0xDE}, {'`', 0xC0},
};

// What the keypad digits and point mean with NumLock off.
constexpr TKeyPair kKeypadNavigation[] = {
    {SDL_SCANCODE_KP_1, 0x23}, {SDL_SCANCODE_KP_2, 0x28},      {SDL_SCANCODE_KP_3, 0x22},
    {SDL_SCANCODE_KP_4, 0x25}, {SDL_SCANCODE_KP_5, 0x0C},      {SDL_SCANCODE_KP_6, 0x27},
    {SDL_SCANCODE_KP_7, 0x24}, {SDL_SCANCODE_KP_8, 0x26},      {SDL_SCANCODE_KP_9, 0x21},
    {SDL_SCANCODE_KP_0, 0x2D}, {SDL_SCANCODE_KP_PERIOD, 0x2E},
};

using TTable = std::array<uint8_t, SDL_NUM_SCANCODES>;

TTable BuildTable(bool numLock) {
  TTable table{};
  for (int i = 0; i < 26; ++i) table[SDL_SCANCODE_A + i] = static_cast<uint8_t>('A' + i);
  for (int i = 0; i < 9; ++i) table[SDL_SCANCODE_1 + i] = static_cast<uint8_t>('1' + i);
  table[SDL_SCANCODE_0] = '0';
  for (int i = 0; i < 12; ++i) table[SDL_SCANCODE_F1 + i] = static_cast<uint8_t>(0x70 + i);
  for (const TKeyPair& key : kKeys) table[key.Scancode] = static_cast<uint8_t>(key.VirtualKey);
  if (!numLock) {
    for (const TKeyPair& key : kKeypadNavigation) {
      table[key.Scancode] = static_cast<uint8_t>(key.VirtualKey);
    }
  }
  return table;
}
}  // namespace

int32_t VirtualKeyOfScancode(SDL_Scancode scancode, bool numLock) {
  static const TTable withNumLock = BuildTable(true);
  static const TTable withoutNumLock = BuildTable(false);
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  return (numLock ? withNumLock : withoutNumLock)[scancode];
}

int32_t VirtualKeyOfKey(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock) {
  if (keycode >= 'a' && keycode <= 'z') return 'A' + (keycode - 'a');
  const bool letterPosition = scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z;
  if (letterPosition && keycode > ' ' && keycode < 0x80) {
    // A letter key another layout labels with punctuation (the AZERTY comma): the key of that
    // punctuation, as its US position reports it, so it cannot pass for the letter.
    for (const TPunctuationKey& key : kPunctuation) {
      if (key.Keycode == keycode) return key.VirtualKey;
    }
    return 0;
  }
  return VirtualKeyOfScancode(scancode, numLock);
}

int32_t SidelessModifier(int32_t virtualKey) {
  switch (virtualKey) {
    case 0xA0:
    case 0xA1:
      return 0x10;  // VK_SHIFT
    case 0xA2:
    case 0xA3:
      return 0x11;  // VK_CONTROL
    case 0xA4:
    case 0xA5:
      return 0x12;  // VK_MENU
    default:
      return 0;
  }
}
