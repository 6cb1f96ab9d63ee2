// Digests of the game a replay claims to reach. Each frame folds in the keys the game read and
// the small state they move (screen, latches, time, score, cursor); the end adds the whole game
// record. So a changed key that the game read is caught, not only one that changes the score.
#pragma once
#include <cstdint>

class TKeyboard;

// The keys the game read in its last sample, as bits by kReplayKeys.
uint16_t ReplayKeyBits(const TKeyboard& keyboard);
uint64_t FoldFrameIntoDigest(uint64_t digest, const TKeyboard& keyboard);
uint64_t FinishDigest(uint64_t digest);
