// The one game record of the process.
#include "play/game_state.h"

TGameState Game;
