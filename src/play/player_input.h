// The player's keys on the board: cursor, placing and exchanging the atom in hand, the quit prompt.
#pragma once

// Cursor moves, F1, and Space on the cell under the cursor; Esc opens the quit prompt.
void HandlePlayerInput();

// Enter leaves for the main menu, Esc returns to the game, which runs on underneath.
void HandleQuitPrompt();

// Puts the atom in hand on the empty cell under the cursor.
void PlaceAtomInHand();

// Swaps the atom in hand with the atom under the cursor, at 100 points per kind of difference.
void ExchangeAtomInHand();
