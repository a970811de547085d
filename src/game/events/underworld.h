// What the underworld's scripts share: fights on event squares, the exits
// of its places, the portals, and the maker's workshop that leads to the
// makers' hall.
#pragma once

#include <initializer_list>
#include <string_view>

#include "game/battle/scripted_battle.h"
#include "game/events/one_shot_bits.h"
#include "game/world/map_catalogue.h"

namespace vela {

// A fight on an event square: the foes by enemy number, the party first.
BattleOutcome FightOn(std::initializer_list<int> foes);
// How a fight on a square ended: true when won; a party that fled steps back
// off the square, and a restored game is left as it is.
bool WonOnSquare(BattleOutcome outcome);
// A one-shot guard fight (a scripted fight with its bit): true at once when
// it has been won before.
bool GuardFight(Bit bit, std::initializer_list<std::string_view> words, std::initializer_list<int> foes);
// A place's way out: asks, then loads the map at (x, y); a refusal steps back.
void LeavePlace(MapId map, int x, int y);
// An entrance of a ground map: asks with the place's name, then loads it.
bool EnterPlaceNamed(std::string_view name, MapId map, int x, int y);
// " 일행은 공간 이동 되어졌다." and the party at (x, y).
void Portal(int x, int y);
// The maker of this world at the workshop's door: a greeting, a choice,
// and for a yes the curtain and the makers' hall.
void MakerCameo();
// Arrives on 지하 세계 2 at (x, y), with the fortress bridge laid once its
// lever has been pulled.
void EnterUnderworld2(int x, int y);
void LayFortressBridge();
// A lair's way out to 지하 세계 2: asks, then arrives; a refusal steps back.
void LeaveToUnderworld2(int x, int y);

}  // namespace vela
