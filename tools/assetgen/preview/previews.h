// Mock screens composed from the generated pictures, written as PNG files for judging the art.
#pragma once
#include <string>
#include <vector>

#include "media/container_writer.h"

// Writes play.png, menu.png, modes.png, info.png, intro.png, names.png and the font sheets
// into `directory`; returns the files written.
std::vector<std::string> WritePreviews(const std::vector<TPictureEntry>& pictures,
                                       const std::string& directory);
