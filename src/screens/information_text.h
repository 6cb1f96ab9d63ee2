// The 32 lines of the information pages.
#pragma once
#include <string>

// Line 1..32; the last one says how to go back.
const std::string& InformationLine(int line);
