// Where finished games are kept: the last 20 games and the game behind every hall-of-fame record,
// in a "replays" folder beside the hall-of-fame store (or in memory, where the store is). A
// record's game is kept as long as the record stays in its table; nothing else is deleted but
// games older than the last 20 that no record needs.
#pragma once
#include <optional>
#include <string>

#include "replay/replay.h"

inline constexpr int kRecentGamesKept = 20;

// Empty: in memory.
void KeepReplaysBeside(const std::string& storeFile);
// Keeps a finished game (the recorder calls it for every game).
void ShelveReplay(const TReplay& replay);
// The latest game made the record (table 0..2, name, score) just stored: it stays while the
// record is in the tables; games of records pushed out go.
void TieLatestGameToRecord(int table, const std::string& name, const std::string& score);
// Games kept in this process so far, and the file of the latest (empty before the first).
int ShelvedGameCount();
const std::string& LatestShelvedGame();
// Where the latest game was written; empty when the shelf is in memory or the write failed.
std::string LatestShelvedGamePath();
// The game behind hall-of-fame entry 0..29 (table = entry / 10), when it is kept.
std::optional<TReplay> ReplayOfRecord(int entry);
