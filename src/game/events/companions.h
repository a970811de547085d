// The people who may join the party, and what each of them says at the
// story's last turns: the last descent below 메너스, the ruins of 타른 and
// the final choice. A companion is known by his name in the member slots
// 2..6; the hero's own name may be anything, so slot 1 never counts.
#pragma once

#include <initializer_list>
#include <string_view>

namespace vela {

enum class Companion { Aldebaran, Polaris, Rigel, Spica, Mirak, Goblin, Castor, Bellatrix, Vega, Alnilam, Count };

enum class CompanionMoment { LastDescent, Ruins, FinalChoice };

// In the party, alive and awake: able to speak.
bool InParty(Companion who);

// When anyone of them is in the party: the lead (scene lines), then every
// companion in the party says his line for the moment, his name before it,
// two message lines each; true when anyone spoke.
bool CompanionsSpeak(CompanionMoment moment, std::initializer_list<std::string_view> lead);

}  // namespace vela
