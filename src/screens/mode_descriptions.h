// The description shown beside each game mode in the mode choice: 14 lines, empty ones kept.
#pragma once
#include <string>

// Line 1..14 of mode 1..5's description; the last one says how to go back.
const std::string& ModeDescriptionLine(int mode, int line);
