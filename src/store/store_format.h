// The text format of the store file that stands in for the registry keys of the game.
//
// Every byte of a key path, value name or value survives: bytes outside '!'..'~' and the
// four marks '%', '=', '[', ']' are written as '%' and two upper-case hex digits.
//
//   brunival-store 1                  header line
//   [\Software\Dravokel\Brunival]     a key: its path between brackets
//   j00=%84u%5D...                    a string value of that key: name '=' data
//   end                               the last line; a file without it was cut short
//
// Every line ends with a line feed. Keys and names are unique; no other lines are allowed.
#pragma once
#include <map>
#include <string>
#include <string_view>

// The string values of one key by name, and the keys by path.
using TStoreValues = std::map<std::string, std::string>;
using TStoreKeys = std::map<std::string, TStoreValues>;

std::string FormatStore(const TStoreKeys& keys);
// False when the text is not a complete, well-formed store file; keys is then unspecified.
bool ParseStore(std::string_view text, TStoreKeys& keys);
