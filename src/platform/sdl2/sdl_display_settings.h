// The display choice kept between runs: full screen or a window, on which monitor, and how the
// picture is scaled.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sdl2/sdl_letterbox.h"

struct TDisplaySettings {
  bool FullScreen = true;
  int32_t Monitor = 0;
  TScaling Scaling = TScaling::Sharp;  // a file written before the choice existed means sharp
  // The monitor's name, which survives docking and unplugging where its number does not; the
  // number serves when no monitor has the name (or a file written before names were kept).
  std::string MonitorName = {};

  bool operator==(const TDisplaySettings&) const = default;
};

// "key=value" lines; nothing when the text is damaged (a bad line, value or a missing key).
std::optional<TDisplaySettings> ParseDisplaySettings(std::string_view text);
std::string FormatDisplaySettings(const TDisplaySettings& settings);
// "sharp" or "integer"; nothing for any other text.
std::optional<TScaling> ParseScaling(std::string_view text);

// display.conf in the user's config folder ($XDG_CONFIG_HOME/brunival, else
// ~/.config/brunival; %APPDATA%\Brunival on Windows); empty when
// neither base is known (the choice is then not kept).
std::filesystem::path DisplaySettingsPath();

// The defaults when the file is missing, unreadable or damaged.
TDisplaySettings LoadDisplaySettings(const std::filesystem::path& file);
// Written to a temporary file that replaces the old one, so a crash never leaves half a file.
bool SaveDisplaySettings(const std::filesystem::path& file, const TDisplaySettings& settings);
