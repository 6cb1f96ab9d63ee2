// The starting point for player-made art: every built-in picture and sound as a file.
#include "pack/export.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "art/pictures.h"
#include "media/container_colors.h"
#include "pack/image_files.h"
#include "pack/wav_files.h"
#include "sound/effects.h"

namespace {

std::string PictureLine(const TPictureEntry& p) {
  std::ostringstream line;
  line << "picture " << p.Name << ' ' << p.Name << ".png";
  if (p.PatternWidth || p.PatternHeight)
    line << " pattern=" << p.PatternWidth << 'x' << p.PatternHeight;
  if (p.SkipWidth || p.SkipHeight) line << " skip=" << p.SkipWidth << 'x' << p.SkipHeight;
  if (!p.Transparent) {
    line << " opaque";
  } else if (auto name = IdentifierFromColor(p.TransparentColor)) {
    line << " key=" << *name;
  } else {
    const uint32_t rgb = ColorToRGB(p.TransparentColor);
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02X%02X%02X", rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255);
    line << " key=" << hex;
  }
  if (p.Encoding == TPictureEncoding::Jpeg) line << " jpeg=" << p.JpegQuality;
  return line.str();
}

}  // namespace

std::vector<std::string> ExportSourceFiles(const std::string& directory) {
  std::filesystem::create_directories(directory);
  std::vector<std::string> written;
  std::ostringstream manifest;
  manifest << "# Brunival artwork: edit the files, then run\n"
           << "#   brunival-assets pack manifest.txt OUTPUT-FOLDER\n";
  for (const TPictureEntry& picture : MakeAllPictures()) {
    const std::string file = directory + "/" + picture.Name + ".png";
    WritePng(file, picture.Picture);
    written.push_back(file);
    manifest << PictureLine(picture) << '\n';
  }
  for (const TSoundEntry& sound : MakeAllSounds()) {
    const std::string file = directory + "/" + sound.Name + ".wav";
    WriteWholeFile(file, EncodeWav(sound));
    written.push_back(file);
    manifest << "sound " << sound.Name << ' ' << sound.Name << ".wav"
             << (sound.Looped ? " loop" : "") << '\n';
  }
  const std::string text = manifest.str();
  WriteWholeFile(directory + "/manifest.txt", std::vector<uint8_t>(text.begin(), text.end()));
  written.push_back(directory + "/manifest.txt");
  return written;
}
