// The language from the command line or the system's locale settings.
#include "platform/sdl2/system_language.h"

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/process_setup.h"
#include "text/catalogue.h"

namespace {
bool CatalogueExists(std::string_view code) {
  std::error_code error;
  return std::filesystem::is_regular_file(CataloguePath(code), error);
}
}  // namespace

void ChooseLanguage(const char* code) {
  SetLanguage(code != nullptr ? std::string(code)
                              : LanguageFromLocale(UserLocale(), CatalogueExists));
}
