// The asset tool: builds the game's data set, previews its artwork, packs player-made art.
#include <cstdio>
#include <exception>
#include <string>

#include "art/pictures.h"
#include "data_set.h"
#include "preview/previews.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: brunival-assets build DIR       write the complete data set into DIR\n"
               "       brunival-assets preview DIR     write mock screens of the artwork as PNG\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string command = argv[1], target = argv[2];
  try {
    if (command == "build") {
      WriteDataSet(target);
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
