// The four songs of the game: a calm looping menu tune and three driving play tunes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "music/composer.h"

struct TModuleFile {
  std::string Path;  // relative to the data directory, e.g. "mod/menu.mod"
  std::vector<uint8_t> Bytes;
  double Seconds;  // playing time once through
};

std::vector<TSongPlan> SongPlans();  // menu, hudba1, hudba2, hudba3
std::vector<TModuleFile> MakeAllModules();
