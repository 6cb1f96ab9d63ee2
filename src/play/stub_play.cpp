// Temporary stand-ins so the tree links; replaced by the game play.
#include "shell/screen_frames.h"

bool PlayFrame(int32_t) { return false; }
bool GameOverFrame(int32_t) { return false; }
bool NameEntryFrame(int32_t) { return false; }

#include "play/start_game.h"
void StartGame(uint8_t) {}
