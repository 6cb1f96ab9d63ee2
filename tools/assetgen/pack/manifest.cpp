// Manifest parsing and packing of player-made art into the game's containers.
#include "pack/manifest.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "media/container_colors.h"
#include "pack/image_files.h"
#include "pack/wav_files.h"
#include "shell/game_assets.h"

namespace {

bool ParseSize(const std::string& text, int32_t& width, int32_t& height) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return false;
  try {
    size_t used1 = 0, used2 = 0;
    width = std::stoi(text.substr(0, x), &used1);
    height = std::stoi(text.substr(x + 1), &used2);
    return used1 == x && used2 == text.size() - x - 1 && width >= 0 && height >= 0;
  } catch (const std::exception&) {
    return false;
  }
}

bool ParseColor(const std::string& text, TColor& color) {
  if (text.size() == 7 && text[0] == '#') {
    try {
      size_t used = 0;
      const unsigned long rgb = std::stoul(text.substr(1), &used, 16);
      if (used != 6) return false;
      color = RGBColor((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255);
      return true;
    } catch (const std::exception&) {
      return false;
    }
  }
  if (auto named = ColorFromIdentifier(text)) {
    color = *named;
    return true;
  }
  return false;
}

bool ParseCount(const std::string& text, int& value, int low, int high) {
  try {
    size_t used = 0;
    value = std::stoi(text, &used);
    return used == text.size() && value >= low && value <= high;
  } catch (const std::exception&) {
    return false;
  }
}

void ApplyPictureOption(TPictureEntry& p, const std::string& option, bool& ok) {
  const size_t eq = option.find('=');
  const std::string key = option.substr(0, eq);
  const std::string value = eq == std::string::npos ? "" : option.substr(eq + 1);
  if (key == "pattern") {
    ok = ParseSize(value, p.PatternWidth, p.PatternHeight);
  } else if (key == "skip") {
    ok = ParseSize(value, p.SkipWidth, p.SkipHeight);
  } else if (key == "key") {
    ok = ParseColor(value, p.TransparentColor);
    p.Transparent = true;
  } else if (option == "opaque") {
    p.Transparent = false;
  } else if (key == "jpeg") {
    p.Encoding = TPictureEncoding::Jpeg;
    if (!value.empty()) ok = ParseCount(value, p.JpegQuality, 1, 100);
  } else if (option == "dib24") {
    p.Encoding = TPictureEncoding::Dib24;
  } else if (option == "dib32") {
    p.Encoding = TPictureEncoding::Dib32;
  } else if (option == "dib8") {
    p.Encoding = TPictureEncoding::Dib8;
  } else {
    ok = false;
  }
}

void ApplySoundOption(TSoundEntry& s, const std::string& option, bool& ok) {
  if (option == "loop") {
    s.Looped = true;
  } else if (option.rfind("max=", 0) == 0) {
    int count = 0;
    ok = ParseCount(option.substr(4), count, 0, 1000);
    s.MaxPlayingCount = count;
  } else {
    ok = false;
  }
}

}  // namespace

std::vector<TManifestEntry> ParseManifest(const std::string& text) {
  std::vector<TManifestEntry> entries;
  std::istringstream lines(text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string kind;
    if (!(words >> kind) || kind[0] == '#') continue;
    auto fail = [&](const std::string& why) {
      return std::runtime_error("manifest line " + std::to_string(number) + ": " + why);
    };
    TManifestEntry entry;
    if (kind != "picture" && kind != "sound") throw fail("expected picture or sound, not " + kind);
    entry.IsSound = kind == "sound";
    if (!(words >> entry.Name >> entry.File)) throw fail("needs a name and a file");
    entry.Picture.Name = entry.Sound.Name = entry.Name;
    for (std::string option; words >> option;) {
      bool ok = true;
      if (entry.IsSound) {
        ApplySoundOption(entry.Sound, option, ok);
      } else {
        ApplyPictureOption(entry.Picture, option, ok);
      }
      if (!ok) throw fail("bad option " + option);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

TPackResult LoadManifestFiles(const std::vector<TManifestEntry>& entries,
                              const std::string& folder) {
  TPackResult result;
  for (const TManifestEntry& entry : entries) {
    const std::string path = (std::filesystem::path(folder) / entry.File).string();
    if (entry.IsSound) {
      TSoundEntry sound = DecodeWav(ReadWholeFile(path), path, &result.Warnings);
      sound.Name = entry.Name;
      sound.Looped = entry.Sound.Looped;
      sound.MaxPlayingCount = entry.Sound.MaxPlayingCount;
      result.Sounds.push_back(std::move(sound));
    } else {
      TPictureEntry picture = entry.Picture;
      picture.Picture = ReadImageFile(path);
      result.Pictures.push_back(std::move(picture));
    }
  }
  return result;
}

namespace {

template <typename Names, typename Entries>
void WarnAboutMissing(const Names& gameNames, const Entries& packed, const std::string& kind,
                      std::vector<std::string>& warnings) {
  for (std::string_view name : gameNames) {
    const bool present = std::ranges::any_of(packed, [&](const auto& e) { return e.Name == name; });
    if (!present)
      warnings.push_back("the game uses " + kind + " " + std::string(name) +
                         ", which this pack lacks");
  }
}

}  // namespace

std::vector<std::string> PackFromManifest(const std::string& manifestPath,
                                          const std::string& outputDirectory,
                                          std::vector<std::string>* warnings) {
  const std::vector<uint8_t> bytes = ReadWholeFile(manifestPath);
  const auto entries = ParseManifest(std::string(bytes.begin(), bytes.end()));
  const std::string folder = std::filesystem::path(manifestPath).parent_path().string();
  TPackResult packed = LoadManifestFiles(entries, folder.empty() ? "." : folder);
  if (!packed.Pictures.empty()) {
    WarnAboutMissing(kGamePictureNames, packed.Pictures, "picture", packed.Warnings);
  }
  if (!packed.Sounds.empty()) {
    WarnAboutMissing(kGameSoundNames, packed.Sounds, "sound", packed.Warnings);
  }
  if (warnings) *warnings = packed.Warnings;
  std::filesystem::create_directories(outputDirectory);
  std::vector<std::string> written;
  if (!packed.Pictures.empty()) {
    WritePictureContainer(outputDirectory + "/grafika.dat", packed.Pictures);
    written.push_back(outputDirectory + "/grafika.dat");
  }
  if (!packed.Sounds.empty()) {
    WriteSoundContainer(outputDirectory + "/zvuky.dat", packed.Sounds);
    written.push_back(outputDirectory + "/zvuky.dat");
  }
  return written;
}
