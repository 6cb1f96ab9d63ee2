// Our stand-in for the registry key that holds the hall of fame: string values in one store file.
#pragma once
#include <string>

// Where the hall-of-fame key lives. The game uses the user's data directory
// ($XDG_DATA_HOME/brunival/, else ~/.local/share/brunival/); the headless runner picks one of these.
void UseDefaultHighScoreStore();
void UseHighScoreStoreFile(const std::string& path);
// Keeps the key in memory only, as on a first run (the runner without --store).
void UseMemoryHighScoreStore();
// Every attempt to open the key fails (as without the rights to it).
void SetHighScoreStoreFailing(bool failing);
