// The rules of the five game modes while the board is played, and the hand-over to game over.
#pragma once
#include <string_view>

// Time limit, supply speed, overflow and task of the running mode; may end the level or game.
void ApplyModeRules();

// The M key: ends the level at once as if its task were done (scored modes only).
void EndLevelAtOnce();

// Reloads the hall of fame and sets NewRecord when Score beats the mode's tenth entry.
void CheckForRecord();

// Hands the game to the game-over screen; `sound` (may be empty) plays unless it is a record.
void EndGame(std::string_view sound = {});

// The lowest score of the running mode's hall-of-fame table, as a number.
int32_t TenthHallScore();
