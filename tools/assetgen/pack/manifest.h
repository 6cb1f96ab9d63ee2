// The packer's manifest: which picture and sound files go into the two containers, and how.
//
// One entry per line; blank lines and lines starting with "#" are ignored:
//   picture NAME FILE [pattern=WxH] [skip=WxH] [key=#RRGGBB|key=clName] [opaque]
//                     [jpeg[=QUALITY]|dib24|dib32|dib8]
//   sound   NAME FILE [loop] [max=COUNT]
// FILE is a PNG, BMP or JPEG picture or a PCM wave, relative to the manifest's folder.
#pragma once
#include <string>
#include <vector>

#include "media/container_writer.h"

struct TManifestEntry {
  bool IsSound = false;
  std::string Name;
  std::string File;       // as written in the manifest
  TPictureEntry Picture;  // settings only; the pixels are read later
  TSoundEntry Sound;      // settings only
};

// Throws std::runtime_error naming the line for a malformed entry.
std::vector<TManifestEntry> ParseManifest(const std::string& text);

struct TPackResult {
  std::vector<TPictureEntry> Pictures;
  std::vector<TSoundEntry> Sounds;
  std::vector<std::string> Warnings;  // what was packed anyway but deserves a look
};

// Reads every file the manifest names, relative to `folder`.
TPackResult LoadManifestFiles(const std::vector<TManifestEntry>& entries,
                              const std::string& folder);

// Reads MANIFEST, then writes grafika.dat and/or zvuky.dat into `outputDirectory` (only the
// containers that have entries); returns the files written. Warnings (cut-short sounds, pictures
// or sounds the game uses that a written container lacks) go to `warnings` when given.
std::vector<std::string> PackFromManifest(const std::string& manifestPath,
                                          const std::string& outputDirectory,
                                          std::vector<std::string>* warnings = nullptr);
