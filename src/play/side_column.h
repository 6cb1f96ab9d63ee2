// The side column of coming atoms: falling onto the stack, and giving up the atom in hand.
#pragma once
#include <cstdint>

// Lets every atom fall towards its resting place 33 pixels above the one below it, at
// (2 - Phase) / 3 pixel per ms. In play "padatomu" sounds once per atom when it lands; the
// game-over screen lets the atoms land silently.
void FallSideColumn(int32_t lagMs, bool landSounds);

// True when the atom in hand rests on the floor marker.
bool AtomInHandLanded();

// Removes the atom in hand: every entry moves one place down and the floor marker is restored.
// `withLandSounds` moves the landing-sound flags along; the result phase leaves them in place.
void DropAtomInHand(bool withLandSounds);

// The result and game-over screens empty the column one landed atom at a time.
void DrainSideColumn();
