// What a program does first on its system before the game runs.
#pragma once
#include <string>
#include <vector>

// The command line as UTF-8 (Windows hands main its arguments in the ANSI code page).
std::vector<std::string> Utf8Arguments(int argc, char** argv);
// The runner's output is compared byte for byte across systems: no "\r\n" translation.
void UseBinaryStandardOutput();
// The game as a player starts it. On Windows there is no console: what the game reports on
// standard error goes to a log in the user's folder, and the data set is read from the
// program's own folder wherever it was started from.
void SetUpGameProcess();
