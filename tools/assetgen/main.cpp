// The asset tool: builds the game's data set, previews its artwork, packs player-made art.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "art/pictures.h"
#include "data_set.h"
#include "icons/app_icon.h"
#include "pack/export.h"
#include "pack/manifest.h"
#include "preview/previews.h"

namespace {

int Usage() {
  std::fprintf(
      stderr,
      "usage: brunival-assets build DIR [LANGDIR]\n"
      "                                       write the complete data set into DIR, with\n"
      "                                       the text catalogues LANGDIR/*.txt\n"
      "       brunival-assets preview DIR     write mock screens of the artwork as PNG\n"
      "       brunival-assets icons DIR       write the application icon as DIR/NxN.png\n"
      "       brunival-assets export DIR      write the built-in art as PNG and WAV files\n"
      "                                       with a manifest\n"
      "       brunival-assets pack MANIFEST DIR\n"
      "                                       pack the files a manifest names into\n"
      "                                       DIR/grafika.dat and DIR/zvuky.dat\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1], target = argv[2];
  try {
    if (command == "pack" && argc == 4) {
      std::vector<std::string> warnings;
      for (const std::string& file : PackFromManifest(target, argv[3], &warnings))
        std::printf("%s\n", file.c_str());
      for (const std::string& warning : warnings)
        std::fprintf(stderr, "brunival-assets: warning: %s\n", warning.c_str());
      return 0;
    }
    if (command == "build" && argc == 4) {
      WriteDataSet(target, argv[3]);
      return 0;
    }
    if (argc != 3) return Usage();
    if (command == "export") {
      for (const std::string& file : ExportSourceFiles(target)) std::printf("%s\n", file.c_str());
      return 0;
    }
    if (command == "build") {
      WriteDataSet(target);
      return 0;
    }
    if (command == "icons") {
      for (const std::string& file : WriteAppIcons(target)) std::printf("%s\n", file.c_str());
      return 0;
    }
    if (command == "preview") {
      for (const std::string& file : WritePreviews(MakeAllPictures(), target)) {
        std::printf("%s\n", file.c_str());
      }
      return 0;
    }
    return Usage();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brunival-assets: %s\n", error.what());
    return 1;
  }
}
