// A frame as a line of the headless runner's script, so that a game the automatic player played
// can be played again by any runner, or by a test in a browser.
#pragma once
#include <array>
#include <cstdint>
#include <string>

std::string ScriptFrameLine(int32_t lag, const std::array<bool, 256>& keys);
