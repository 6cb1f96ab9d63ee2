// The language from the command line or the system's locale settings.
#include "platform/sdl2/system_language.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "text/catalogue.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
// A locale value whose language part is the user's language ("cs_CZ.UTF-8").
std::string SystemLocale() {
#ifdef _WIN32
  switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
    case LANG_CZECH:
    case LANG_SLOVAK:
      return "cs";
    default:
      return "en";
  }
#else
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
#endif
}

bool CatalogueExists(std::string_view code) {
  std::error_code error;
  return std::filesystem::is_regular_file(CataloguePath(code), error);
}
}  // namespace

void ChooseLanguage(const char* code) {
  SetLanguage(code != nullptr ? std::string(code)
                              : LanguageFromLocale(SystemLocale(), CatalogueExists));
}
