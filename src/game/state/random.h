// The game's one random generator.
//
// A 64-bit SplitMix generator: small, fast and defined bit for bit, so a
// seed plays the same game on every machine.
#pragma once

#include <cstdint>

namespace vela {

// A uniform number 0..n-1; 0 when n <= 0.
int Random(int n);
// Seeds from the clock, as the game does when a game starts and at character
// creation. Does nothing after SeedRandom, so a seeded run stays the same.
void Randomize();
// Fixes the sequence (harness --seed, tests).
void SeedRandom(uint32_t seed);
// How many numbers have been drawn since the last SeedRandom: a recording
// notes it with every key, and its replay checks it.
uint64_t RandomDraws();

}  // namespace vela
