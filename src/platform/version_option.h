// --version, answered before a program does anything else.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// When the arguments ask for the version: prints "PROGRAM VERSION" on standard output (a
// Windows window program first finds the console it was started from) and gives the status
// to exit with. Nothing otherwise.
std::optional<int> AnswerVersionOption(const std::vector<std::string>& args,
                                       std::string_view program);
