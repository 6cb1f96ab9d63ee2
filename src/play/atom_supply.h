// The supply of new atoms into the side column: when one is due and which kind it is.
#pragma once
#include <cstdint>
#include <string>

// Whether position `kind` (1..5) of a level's kinds text is "A".
bool AllowsAtomKind(const std::string& atomKinds, int32_t kind);

// A weighted random kind (5/19/22/25/29 per cent for kinds 5..1), drawn again until allowed.
// A kinds text that allows nothing yields kind 1, so a bad level cannot hang the game.
uint8_t ChooseAtomKind(const std::string& atomKinds);

// Adds an atom to the side column when the mode's supply rule says one is due.
void SupplyAtoms();
