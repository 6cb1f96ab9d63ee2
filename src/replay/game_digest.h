// A digest of the running game's record and screen: a replay claims it for its last frame, so a
// changed key that changes anything at all is caught, not only one that changes the score.
#pragma once
#include <cstdint>

uint64_t GameStateDigest();
