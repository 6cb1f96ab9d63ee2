// Reading and writing the small display settings file.
#include "platform/sdl2/sdl_display_settings.h"

#include <charconv>
#include <fstream>
#include <system_error>

#include "platform/file_system.h"

namespace {
constexpr int32_t kMaxMonitor = 63;
constexpr size_t kMaxMonitorName = 200;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::optional<int32_t> Number(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}
}  // namespace

std::optional<TDisplaySettings> ParseDisplaySettings(std::string_view text) {
  TDisplaySettings settings;
  bool sawFullScreen = false;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, newline));
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    if (line.empty() || line.front() == '#') continue;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view valueText = Trimmed(line.substr(equals + 1));
    if (key == "scaling") {
      const std::optional<TScaling> scaling = ParseScaling(valueText);
      if (!scaling) return std::nullopt;
      settings.Scaling = *scaling;
      continue;
    }
    if (key == "display") {
      if (valueText.size() > kMaxMonitorName) return std::nullopt;
      settings.MonitorName = valueText;
      continue;
    }
    const std::optional<int32_t> value = Number(valueText);
    if (!value) return std::nullopt;
    if (key == "fullscreen") {
      if (*value != 0 && *value != 1) return std::nullopt;
      settings.FullScreen = *value == 1;
      sawFullScreen = true;
    } else if (key == "monitor") {
      if (*value < 0 || *value > kMaxMonitor) return std::nullopt;
      settings.Monitor = *value;
    }
    // Other keys belong to later versions: kept out of the way, not a fault.
  }
  if (!sawFullScreen) return std::nullopt;
  return settings;
}

std::string FormatDisplaySettings(const TDisplaySettings& settings) {
  return "fullscreen=" + std::to_string(settings.FullScreen ? 1 : 0) +
         "\nmonitor=" + std::to_string(settings.Monitor) +
         "\nscaling=" + (settings.Scaling == TScaling::Integer ? "integer" : "sharp") + "\n" +
         (settings.MonitorName.empty() ? "" : "display=" + settings.MonitorName + "\n");
}

std::optional<TScaling> ParseScaling(std::string_view text) {
  if (text == "sharp") return TScaling::Sharp;
  if (text == "integer") return TScaling::Integer;
  return std::nullopt;
}

std::filesystem::path DisplaySettingsPath() {
  const std::string folder = UserConfigFolder();
  if (folder.empty()) return {};
  return PathFromUtf8(folder) / "display.conf";
}

TDisplaySettings LoadDisplaySettings(const std::filesystem::path& file) {
  if (file.empty()) return {};
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return {};
  // A settings file is a few bytes; anything much longer is not ours.
  std::string text(4096, '\0');
  stream.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (!stream.eof()) return {};
  text.resize(static_cast<size_t>(stream.gcount()));
  return ParseDisplaySettings(text).value_or(TDisplaySettings{});
}

bool SaveDisplaySettings(const std::filesystem::path& file, const TDisplaySettings& settings) {
  if (file.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  const std::string path = Utf8FromPath(file);
  return ReplaceFileDurably(path, path + ".tmp", FormatDisplaySettings(settings));
}
