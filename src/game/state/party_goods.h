// What the party is given: gold, food, arrows, items and experience, each
// stopping at what its field can hold.
#pragma once

#include <cstdint>

namespace vela {

// Gold is signed 32-bit and saturates; food and item counts stop at 255,
// arrows at 32767.
void AddGold(int32_t amount);
void AddFood(int amount);
void AddArrows(int amount);
void AddItem(int kind, int count);
// Spendable experience for every member of 1..5 who has a name.
void GiveExperience(int32_t amount);
void GiveExperienceTo(int slot, int32_t amount);

}  // namespace vela
