// The sentence that announces a party member's action in battle.
#pragma once

#include <string>

namespace vela {

// Shooting weapons spend one arrow per action.
bool IsShootingWeapon(int weapon);

// "<name><은/는> <what the member does>", from the action, its choice and
// its target (an enemy slot, or a member for healing).
std::string ComposeActionSentence(int member, int action, int choice, int target);

}  // namespace vela
