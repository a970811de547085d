// Weapon attacks of the party: members 1..5 by their orders, and the
// companion in slot 6, which fights on its own.
#pragma once

namespace vela {

// Whether a slot can take a blow or a spell: not dead, and not unconscious
// unless the party finishes off unconscious foes.
bool IsFairTarget(int slot);
// The member's target, moved forward (never back) past slots that are not
// fair targets, as long as any foe still lives; 0 when the blow is lost.
// The move is written into the member's orders.
int Retarget(int member);

// The current actor's weapon attack on the target of its orders.
void MemberAttack();
// Member 6's attack on `slot`, with its own damage rule.
void CompanionAttack(int slot);
// Member 6's turn: one blow or a sweep over every foe, by its family.
void CompanionTurn();

}  // namespace vela
