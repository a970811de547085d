// What a battle pays: experience for each enemy put down, gold at the end.
#pragma once

#include <cstdint>

namespace vela {

// Experience for enemy number n: n cubed / 8, at least 1.
int32_t ExperienceFor(int number);
// Pays for the foe in `slot`. An unconscious foe (the finishing blow) pays
// every member able to act, silently; otherwise only `member` is paid and
// told so.
void AwardExperience(int member, int slot);
// Gold of the whole group, every slot whatever its state, from the table
// record of each slot's number: max(ArmourClass, 1) x Level cubed.
int32_t GroupGold();
// Adds GroupGold to the purse and says so; nothing after a flight.
void GoldReward();

// Saturating additions for the purse and experience.
int32_t AddClamped(int32_t value, int64_t amount);

}  // namespace vela
