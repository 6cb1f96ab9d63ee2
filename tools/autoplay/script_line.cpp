#include "script_line.h"

namespace {
std::string KeyName(int key) {
  switch (key) {
    case 13:
      return "enter";
    case 27:
      return "esc";
    case 32:
      return "space";
    case 37:
      return "left";
    case 38:
      return "up";
    case 39:
      return "right";
    case 40:
      return "down";
    default:
      return std::to_string(key);
  }
}
}  // namespace

std::string ScriptFrameLine(int32_t lag, const std::array<bool, 256>& keys) {
  std::string line = "frame " + std::to_string(lag);
  for (int key = 1; key < 256; ++key) {
    if (keys[static_cast<size_t>(key)]) line += " " + KeyName(key);
  }
  return line;
}
