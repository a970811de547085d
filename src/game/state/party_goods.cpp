#include "game/state/party_goods.h"

#include <algorithm>
#include <limits>

#include "game/state/party.h"

namespace vela {

namespace {

uint8_t capped(int value, int cap) { return uint8_t(std::clamp(value, 0, cap)); }

}  // namespace

void AddGold(int32_t amount) {
    int64_t gold = int64_t(Party.Gold) + amount;
    Party.Gold = int32_t(std::clamp<int64_t>(gold, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void AddFood(int amount) { Party.Food = capped(Party.Food + amount, 255); }

void AddArrows(int amount) { Party.Arrows = uint16_t(std::clamp(Party.Arrows + amount, 0, 32767)); }

void AddItem(int kind, int count) { Party.Items[kind] = capped(Party.Items[kind] + count, 255); }

void GiveExperienceTo(int slot, int32_t amount) {
    int64_t sum = int64_t(Member[slot].Experience) + amount;
    Member[slot].Experience = int32_t(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
}

void GiveExperience(int32_t amount) {
    for (int slot = 1; slot <= kLastPersonSlot; ++slot)
        if (!Member[slot].Name.empty()) GiveExperienceTo(slot, amount);
}

}  // namespace vela
