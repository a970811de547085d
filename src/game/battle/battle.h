// The battle proper: rounds of orders and actions until one side is beaten
// or the party flees. The outcome is left in PartyFate and in the party's
// and the foes' states (see scripted_battle.h for reading it).
#pragma once

namespace vela {

// partyFirst: the party gives orders and acts in the first round; otherwise
// the foes strike first. returnToMap: redraw the map after a win and hand a
// defeat to the end-of-game dialog; a scripted fight may pass false to be
// lost without ending the game.
void Battle(bool partyFirst, bool returnToMap);

// The round being fought, from 1; it stays at the last round afterwards.
extern int BattleRound;

// Every member present is down (or nobody is present).
bool PartyBeaten();
// No foe is left standing.
bool FoesBeaten();

}  // namespace vela
