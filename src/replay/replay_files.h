// Replays on disk, by UTF-8 path.
#pragma once
#include <string>

#include "replay/replay.h"

// Raises EReplayError naming the file when it is missing, unreadable or not a usable replay.
TReplay ReadReplayFile(const std::string& path);
// Writes the whole file or nothing; false when it cannot be written.
bool WriteReplayFile(const std::string& path, const TReplay& replay);
