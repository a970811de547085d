#include "game/state/party.h"
#include "game/state/rules.h"

namespace vela {

namespace {

constexpr std::array<int32_t, kMaxLevel> kLevelExperience = {
    0,        1500,     6000,     20000,    50000,    150000,   250000,   500000,   800000,   1050000,
    1320000,  1620000,  1950000,  2320000,  2700000,  3120000,  3570000,  4050000,  4560000,  5100000,
    6000000,  7000000,  8000000,  9000000,  10000000, 12000000, 14000000, 16000000, 18000000, 20000000,
    25000000, 30000000, 35000000, 40000000, 45000000, 50000000, 55000000, 60000000, 65000000, 70000000,
};

}  // namespace

int32_t LevelExperience(int level) { return level >= 1 && level <= kMaxLevel ? kLevelExperience[level - 1] : 0; }

const std::array<std::array<uint8_t, 6>, 7> FighterClassMinima = {{
    {10, 10, 10, 10, 10, 0},
    {10, 10, 5, 0, 20, 0},
    {40, 0, 0, 0, 0, 0},
    {0, 5, 5, 40, 0, 0},
    {0, 0, 0, 0, 0, 40},
    {10, 0, 0, 10, 0, 20},
    {25, 0, 5, 0, 20, 10},
}};

const std::array<std::array<uint8_t, 6>, 7> MageClassMinima = {{
    {10, 10, 10, 0, 0, 0},
    {0, 10, 10, 0, 0, 10},
    {0, 0, 10, 0, 0, 10},
    {40, 25, 25, 0, 0, 0},
    {20, 20, 40, 0, 0, 40},
    {10, 40, 30, 0, 0, 20},
    {40, 40, 40, 20, 20, 20},
}};

bool ClassQualifies(int slot, int cls) {
    if (cls < 1 || cls > 7) return false;
    const MemberRecord& m = Member[slot];
    const auto& minima = m.Family == kFighterFamily ? FighterClassMinima[cls - 1] : MageClassMinima[cls - 1];
    for (int skill = 1; skill <= 6; ++skill)
        if (m.Skills[skill] < minima[skill - 1]) return false;
    return true;
}

int RoundHalfEven(long long n, long long d) {
    long long q = n / d, r = n % d;
    if (2 * r > d || (2 * r == d && (q & 1))) ++q;
    return int(q);
}

}  // namespace vela
