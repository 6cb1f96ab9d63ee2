// The texts a player reads in the bitmap fonts, looked up by key in the catalogue of the chosen
// language (lang/<code>.txt in the data folder). Czech is built in: a missing or damaged
// catalogue, or a key it lacks, falls back to it, so the game never stops for a text.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One text of the game: its key, the font it is drawn in, the pixels it may take where it
// stands, and its Czech wording. "{n}" stands for a number filled in when drawn.
struct TCatalogueText {
  std::string_view Key;
  std::string_view Font;
  int32_t Room;
  std::string_view Czech;
};
std::span<const TCatalogueText> BuiltInTexts();

// Catalogue keys "picture.NAME" name the picture drawn in place of picture NAME.
inline constexpr std::string_view kPictureKeyPrefix = "picture.";

// "key=text" lines; text is everything after the first '=', spaces included. Blank lines and
// lines starting with '#' are skipped. A line without '=' or with a byte outside printable ASCII
// is a problem: it is left out and named in Problems.
struct TCatalogueFile {
  std::map<std::string, std::string, std::less<>> Texts;
  std::vector<std::string> Problems;
};
TCatalogueFile ParseCatalogue(std::string_view content);
// The catalogue file of the built-in Czech texts.
std::string CzechCatalogueFile();

// The language, "cs" unless set before start-up; any lower-case code names lang/<code>.txt.
void SetLanguage(std::string code);
const std::string& Language();
bool IsLanguageCode(std::string_view code);
// "cs" for a Czech or Slovak locale value (LC_ALL, LC_MESSAGES or LANG, first set one wins),
// its own code when lang/<code>.txt exists, else "en".
std::string LanguageFromLocale(std::string_view locale, bool (*catalogueExists)(std::string_view));
std::string CataloguePath(std::string_view code);

// Reads the language's catalogue from the working directory; problems go to `report`, once.
void LoadCatalogue(std::ostream& report);
// The current language's text, or the Czech one.
const std::string& Text(std::string_view key);
// The text with "{n}" replaced by the value.
std::string TextWith(std::string_view key, std::string_view value);
// The picture the catalogue draws in place of `name`; `name` itself when it names none.
std::string LocalPictureName(const std::string& name);
