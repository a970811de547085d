#include "game/state/random.h"

#include <chrono>

namespace vela {

namespace {

uint64_t state = 0x853C49E6748FEA9BULL;
bool seeded = false;
uint64_t draws = 0;

uint64_t next() {
    ++draws;
    state += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

int Random(int n) {
    if (n <= 0) return 0;
    // Scales the top 32 bits to 0..n-1; the bias is at most n / 2^32.
    return int((next() >> 32) * uint64_t(n) >> 32);
}

void Randomize() {
    if (seeded) return;
    state = uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}

void SeedRandom(uint32_t seed) {
    state = seed;
    seeded = true;
    draws = 0;
}

uint64_t RandomDraws() { return draws; }

}  // namespace vela
