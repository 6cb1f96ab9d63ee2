// The build step: everything the game reads, generated from source in one run.
#include "data_set.h"

#include <filesystem>

#include "art/pictures.h"
#include "lang/catalogues.h"
#include "levels/levels.h"
#include "music/songs.h"
#include "pack/image_files.h"
#include "sound/effects.h"
#include "store/random.h"

std::vector<std::string> WriteDataSet(const std::string& directory,
                                      const std::string& catalogueDirectory) {
  namespace fs = std::filesystem;
  fs::create_directories(fs::path(directory) / "mod");
  // A fixed seed makes the scrambled fillers, and so the whole data set, reproducible.
  RandSeed(20261208);
  std::vector<std::string> written;
  const std::string pictures = directory + "/grafika.dat";
  const std::vector<TPictureEntry> allPictures = MakeAllPictures();
  // Checked first, so a text no font can draw stops the build before anything is written.
  const std::vector<std::string> catalogues =
      WriteCatalogues(directory, catalogueDirectory, allPictures);
  written.insert(written.end(), catalogues.begin(), catalogues.end());
  WritePictureContainer(pictures, allPictures);
  written.push_back(pictures);
  const std::string sounds = directory + "/zvuky.dat";
  WriteSoundContainer(sounds, MakeAllSounds());
  written.push_back(sounds);
  const std::string config = directory + "/nexoda.cfg";
  const std::string bytes = EncodeConfiguration();
  WriteWholeFile(config, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  written.push_back(config);
  for (const TModuleFile& module : MakeAllModules()) {
    const std::string path = directory + "/" + module.Path;
    WriteWholeFile(path, module.Bytes);
    written.push_back(path);
  }
  return written;
}
