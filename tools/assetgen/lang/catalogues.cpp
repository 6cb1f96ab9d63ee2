// Catalogue files checked and written into the data set.
#include "lang/catalogues.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text/catalogue.h"
#include "text/font_layout.h"
#include "text/font_text.h"

namespace {
const TPictureEntry* FindPicture(const std::vector<TPictureEntry>& pictures,
                                 std::string_view name) {
  const auto found = std::find_if(pictures.begin(), pictures.end(),
                                  [&](const TPictureEntry& entry) { return entry.Name == name; });
  return found == pictures.end() ? nullptr : &*found;
}

int32_t GlyphCount(const TPictureEntry& font) {
  if (font.PatternWidth <= 0 || font.PatternHeight <= 0) return 0;
  return (font.Picture.Width / font.PatternWidth) * (font.Picture.Height / font.PatternHeight);
}

const TCatalogueText* FindText(std::string_view key) {
  for (const TCatalogueText& text : BuiltInTexts()) {
    if (text.Key == key) return &text;
  }
  return nullptr;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}
}  // namespace

std::vector<std::string> CheckCatalogue(const std::string& content,
                                        const std::vector<TPictureEntry>& pictures) {
  const TCatalogueFile file = ParseCatalogue(content);
  std::vector<std::string> problems = file.Problems;
  for (const auto& [key, value] : file.Texts) {
    if (key.starts_with(kPictureKeyPrefix)) {
      if (!FindPicture(pictures, value)) problems.push_back(key + ": no picture \"" + value + "\"");
      continue;
    }
    const TCatalogueText* text = FindText(key);
    if (!text) {
      problems.push_back(key + ": not a text of the game");
      continue;
    }
    if (text->Czech.find("{n}") != std::string_view::npos &&
        value.find("{n}") == std::string::npos) {
      problems.push_back(key + ": \"" + value + "\" has no {n} for its number");
    }
    const TPictureEntry* font = FindPicture(pictures, text->Font);
    const int32_t glyphs = font ? GlyphCount(*font) : 0;
    std::string shown = value;
    if (const size_t at = shown.find("{n}"); at != std::string::npos) shown.erase(at, 3);
    for (const char c : PrepareFontText(shown)) {
      const int32_t pattern = static_cast<uint8_t>(c) - kFirstFontCode;
      if (pattern < 0 || pattern >= glyphs) {
        problems.push_back(key + ": \"" + value + "\" has '" + std::string(1, c) + "', which " +
                           std::string(text->Font) + " cannot draw");
        break;
      }
    }
  }
  return problems;
}

std::vector<std::string> WriteCatalogues(const std::string& directory,
                                         const std::string& sourceDirectory,
                                         const std::vector<TPictureEntry>& pictures) {
  namespace fs = std::filesystem;
  const fs::path target = fs::path(directory) / "lang";
  fs::create_directories(target);
  std::vector<std::pair<fs::path, std::string>> catalogues = {
      {target / "cs.txt", CzechCatalogueFile()}};
  if (!sourceDirectory.empty()) {
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(sourceDirectory)) {
      if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    for (const fs::path& source : sources) {
      catalogues.emplace_back(target / source.filename(), ReadFile(source));
    }
  }
  std::vector<std::string> written;
  for (const auto& [path, content] : catalogues) {
    const std::vector<std::string> problems = CheckCatalogue(content, pictures);
    if (!problems.empty()) {
      std::string message = path.filename().string() + ":";
      for (const std::string& problem : problems) message += "\n  " + problem;
      throw std::runtime_error(message);
    }
    WriteFile(path, content);
    written.push_back(path.string());
  }
  return written;
}
