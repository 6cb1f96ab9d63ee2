// The chosen language's catalogue, read once at start-up, with Czech behind every text.
#include "text/catalogue.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

namespace {
// Function-local, so texts can be looked up while other files' globals are set up.
std::string& language() {
  static std::string code = "cs";
  return code;
}
TCatalogueFile& loaded() {
  static TCatalogueFile file;
  return file;
}

const TCatalogueText* FindBuiltIn(std::string_view key) {
  for (const TCatalogueText& text : BuiltInTexts()) {
    if (text.Key == key) return &text;
  }
  return nullptr;
}

bool Printable(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}
}  // namespace

TCatalogueFile ParseCatalogue(std::string_view content) {
  TCatalogueFile file;
  size_t lineNumber = 0;
  while (!content.empty()) {
    const size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t equals = line.find('=');
    const std::string where = "line " + std::to_string(lineNumber);
    if (!Printable(line)) {
      file.Problems.push_back(where + " has a character outside plain ASCII");
      continue;
    }
    if (equals == 0 || equals == std::string_view::npos) {
      file.Problems.push_back(where + " is not key=text");
      continue;
    }
    file.Texts.insert_or_assign(std::string(line.substr(0, equals)),
                                std::string(line.substr(equals + 1)));
  }
  return file;
}

std::string CzechCatalogueFile() {
  std::string out =
      "# Brunival texts: cs (Czech, the game's own)\n"
      "# key=text; the text runs to the end of the line, spaces included; {n} is a number.\n";
  for (const TCatalogueText& text : BuiltInTexts()) {
    out.append(text.Key).append("=").append(text.Czech).append("\n");
  }
  return out;
}

void SetLanguage(std::string code) {
  language() = std::move(code);
}
const std::string& Language() {
  return language();
}

bool IsLanguageCode(std::string_view code) {
  return !code.empty() && code.size() <= 8 &&
         std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string LanguageFromLocale(std::string_view locale, bool (*catalogueExists)(std::string_view)) {
  const std::string code(locale.substr(0, std::min(locale.find_first_of("_.@"), locale.size())));
  if (code == "cs" || code == "sk") return "cs";
  if (code != "en" && IsLanguageCode(code) && catalogueExists(code)) return code;
  return "en";
}

std::string CataloguePath(std::string_view code) {
  return "lang/" + std::string(code) + ".txt";
}

void LoadCatalogue(std::ostream& report) {
  loaded() = {};
  const std::string path = CataloguePath(language());
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    // The built-in texts are the Czech catalogue, so only another language is missed.
    if (language() != "cs") report << "brunival: no " << path << "; texts stay Czech\n";
    return;
  }
  std::ostringstream content;
  content << in.rdbuf();
  loaded() = ParseCatalogue(content.str());
  for (const std::string& problem : loaded().Problems) {
    report << "brunival: " << path << ": " << problem << ", left out\n";
  }
  for (const TCatalogueText& text : BuiltInTexts()) {
    if (!loaded().Texts.contains(text.Key)) {
      report << "brunival: " << path << " lacks \"" << text.Key << "\"; Czech shown\n";
    }
  }
}

const std::string& Text(std::string_view key) {
  if (auto found = loaded().Texts.find(key); found != loaded().Texts.end()) return found->second;
  if (const TCatalogueText* builtIn = FindBuiltIn(key)) {
    // Kept so the reference stays valid and the lookup is not repeated.
    return loaded().Texts.emplace(std::string(key), std::string(builtIn->Czech)).first->second;
  }
  // A key the table does not know is a slip in the program: it shows as itself.
  return loaded().Texts.emplace(std::string(key), std::string(key)).first->second;
}

std::string TextWith(std::string_view key, std::string_view value) {
  std::string text = Text(key);
  if (const size_t at = text.find("{n}"); at != std::string::npos) text.replace(at, 3, value);
  return text;
}

std::string LocalPictureName(const std::string& name) {
  const auto found = loaded().Texts.find(std::string(kPictureKeyPrefix) + name);
  return found == loaded().Texts.end() ? name : found->second;
}
