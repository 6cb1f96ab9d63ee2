// Every text of every catalogue fits where it stands and can be drawn; the build refuses a
// catalogue that cannot.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "art/pictures.h"
#include "lang/catalogues.h"
#include "text/catalogue.h"

namespace {
namespace fs = std::filesystem;

// The widest value each kind of text is given: "mm:ss" for the time limit, a date, a day's best
// score, two digits else.
std::string Widest(const std::string& text, std::string_view key) {
  std::string filled = text;
  if (const size_t at = filled.find("{n}"); at != std::string::npos) {
    const char* widest = key == "briefing.limit" ? "00:00"
                         : key == "daily.date"   ? "2026-12-24"
                         : key == "daily.best"   ? "999999"
                                                 : "20";
    filled.replace(at, 3, widest);
  }
  return filled;
}

void ExpectFits(const std::string& language, const std::map<std::string, std::string>& texts,
                const TPictureEntry& large, const TPictureEntry& small) {
  for (const TCatalogueText& text : BuiltInTexts()) {
    const auto found = texts.find(std::string(text.Key));
    ASSERT_NE(found, texts.end()) << language << " lacks " << text.Key;
    const int32_t advance = text.Font == "font1" ? large.PatternWidth : small.PatternWidth;
    const std::string shown = Widest(found->second, text.Key);
    EXPECT_LE(advance * static_cast<int32_t>(shown.size()), text.Room)
        << language << " " << text.Key << ": \"" << shown << "\"";
  }
}

TEST(Catalogues, EveryTextOfEveryLanguageFitsItsRoomAndPassesTheBuildCheck) {
  const TPictureEntry large = MakeLargeFont(), small = MakeSmallFont();
  const std::vector<TPictureEntry> pictures = MakeAllPictures();
  std::map<std::string, std::string> czech;
  for (const TCatalogueText& text : BuiltInTexts()) czech[std::string(text.Key)] = text.Czech;
  ExpectFits("cs", czech, large, small);
  EXPECT_TRUE(CheckCatalogue(CzechCatalogueFile(), pictures).empty());

  int translations = 0;
  for (const auto& entry : fs::directory_iterator(BRUNIVAL_CATALOGUE_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    const TCatalogueFile file = ParseCatalogue(content.str());
    EXPECT_TRUE(file.Problems.empty()) << entry.path();
    ExpectFits(entry.path().stem().string(), {file.Texts.begin(), file.Texts.end()}, large, small);
    for (const std::string& problem : CheckCatalogue(content.str(), pictures)) {
      ADD_FAILURE() << entry.path() << ": " << problem;
    }
    ++translations;
  }
  EXPECT_GE(translations, 1);
}

TEST(Catalogues, TheBuildNamesTheKeyOfEachTextItCannotUse) {
  const std::vector<TPictureEntry> pictures = MakeAllPictures();
  const std::vector<std::string> problems = CheckCatalogue(
      "menu.1=ok\nmenu.2=tilde~\ninfo.01=curly {braces}\nbriefing.level=level {n}\n"
      "briefing.goal=no number\n"
      "menu.9=none\npicture.DK-uvadi=DK-nowhere\n",
      pictures);
  ASSERT_EQ(problems.size(), 5u);
  EXPECT_NE(problems[0].find("briefing.goal"), std::string::npos) << problems[0];
  EXPECT_NE(problems[1].find("info.01"), std::string::npos) << problems[1];
  EXPECT_NE(problems[2].find("menu.2"), std::string::npos) << problems[2];
  EXPECT_NE(problems[3].find("menu.9"), std::string::npos) << problems[3];
  EXPECT_NE(problems[4].find("DK-nowhere"), std::string::npos) << problems[4];

  const fs::path directory = fs::temp_directory_path() / "brunival-catalogue-test";
  fs::remove_all(directory);
  fs::create_directories(directory / "source");
  std::ofstream(directory / "source/xx.txt") << "quit=KONEC ~\n";
  EXPECT_THROW(
      WriteCatalogues((directory / "data").string(), (directory / "source").string(), pictures),
      std::runtime_error);
  fs::remove_all(directory);
}
}  // namespace
