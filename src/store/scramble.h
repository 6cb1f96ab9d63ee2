// The light scrambling of stored texts: one coded byte and two random fillers per character.
#pragma once
#include <string>
#include <string_view>

std::string Scramble(std::string_view plain);
std::string Unscramble(std::string_view scrambled);
