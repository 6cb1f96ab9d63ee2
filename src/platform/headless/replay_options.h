// The runner's replay options: --record DIR keeps every finished game, --verify FILE checks one.
#pragma once
#include <iosfwd>
#include <string>

// Creates dir and writes each game finished from now on into it as game-NNNN.replay, numbered
// on from the files already there. False (message in err) when dir cannot be made.
bool RecordGamesInto(const std::string& dir, std::ostream& err);

// Plays the replay with no window and prints its end state and verdict; returns the exit status
// (0 verified, 1 differs, 2 not a usable replay).
int VerifyReplay(const std::string& path, std::ostream& out, std::ostream& err);
