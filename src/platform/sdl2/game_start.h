// The game's first steps around SDL's start.
#pragma once
#include <optional>

// Before anything touches the log: --version, and a second copy handing over to the first.
// Then the process is set up and SDL told, before it starts, that the game measures real
// pixels and does all the scaling itself. A status to exit with when the program is done.
std::optional<int> PrepareGameProcess(int argc, char** argv);
// Which of SDL's drivers show and play the game, for the log; after the audio device opened.
void LogSdlDrivers();
