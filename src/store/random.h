// The game's one random generator; seeded once at start-up (from the clock, or a fixed seed).
#pragma once
#include <cstdint>

void Randomize();               // seed from the clock
void RandSeed(uint32_t seed);   // fixed seed (tests, the headless runner)
int32_t Random(int32_t range);  // uniform 0..range-1
// Whether the generator has been seeded in this process (start-up keeps a fixed seed).
bool RandomSeeded();

// The last seed and how many 32-bit numbers the generator gave since: together they are its
// whole state, which a replay restores without carrying the state itself.
uint32_t RandomSeedInUse();
uint64_t RandomDrawCount();
// Seeds with seed and moves on past `draws` numbers.
void RandSeedAt(uint32_t seed, uint64_t draws);

// The game's own draws (the board and the atoms). They come from the process-wide generator,
// unless a game with a generator of its own is running: the daily challenge, whose board and
// atoms follow from its date alone while the music and the store keep drawing from the other.
int32_t GameRandom(int32_t range);
void UseOwnGameGenerator(uint32_t seed);
void UseSharedGameGenerator();
