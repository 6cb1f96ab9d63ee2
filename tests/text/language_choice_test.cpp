// Which language the game takes from the system's locale settings.
#include <gtest/gtest.h>

#include "text/catalogue.h"

namespace {
bool OnlyGerman(std::string_view code) {
  return code == "de";
}

TEST(LanguageChoice, CzechOrSlovakGiveCzechADroppedInCatalogueItsOwnAnythingElseEnglish) {
  EXPECT_EQ(LanguageFromLocale("cs_CZ.UTF-8", OnlyGerman), "cs");
  EXPECT_EQ(LanguageFromLocale("sk_SK", OnlyGerman), "cs");
  EXPECT_EQ(LanguageFromLocale("cs", OnlyGerman), "cs");
  EXPECT_EQ(LanguageFromLocale("de_AT.UTF-8@euro", OnlyGerman), "de");
  EXPECT_EQ(LanguageFromLocale("fr_FR.UTF-8", OnlyGerman), "en");
  EXPECT_EQ(LanguageFromLocale("C.UTF-8", OnlyGerman), "en");
  EXPECT_EQ(LanguageFromLocale("", OnlyGerman), "en");
  EXPECT_EQ(LanguageFromLocale("../../etc/passwd", [](std::string_view) { return true; }), "en");
}
}  // namespace
