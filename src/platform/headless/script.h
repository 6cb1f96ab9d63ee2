// The runner's script language: one command per line (frame, frames, drawable, state,
// screenshot, end); blank lines and lines starting with '#' say nothing.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A line the runner cannot understand; the message names what is wrong (the caller adds the line).
class EScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TScriptVerb { Frames, Drawable, State, Screenshot, End };

struct TScriptCommand {
  TScriptVerb Verb = TScriptVerb::State;
  int64_t Count = 1;             // frames: how many
  int32_t Lag = 1;               // frames: LagCount of each
  std::array<bool, 256> Keys{};  // frames: held keys by virtual-key code
  bool Drawable = true;          // drawable
  std::string File;              // screenshot
};

// The virtual-key code of a key name ("enter", "Esc", "77"); raises EScriptError if unknown.
int32_t ParseKeyName(std::string_view name);

// std::nullopt for a blank or comment line; raises EScriptError for a bad one.
std::optional<TScriptCommand> ParseScriptLine(std::string_view line);
