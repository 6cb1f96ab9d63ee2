// Where the automatic player puts the atom in hand: every empty cell (and every exchange) is
// tried on the real bonding rules and the board it leaves is judged.
#pragma once
#include <cstdint>

struct TMove {
  uint8_t Col = 1;
  uint8_t Row = 1;
  bool Exchange = false;  // Space on an atom: swaps it with the one in hand
};

// Judges only what the screen shows: the board, the atom in hand, the cursor and the level's
// minimum size. Leaves the game exactly as it found it. Without `weighExchanges` only empty cells
// are tried: a player who does not think of exchanging this time.
TMove ChooseMove(bool weighExchanges = true);
