#include "game/battle/scripted_battle.h"

#include "game/state/party.h"

namespace vela {

BattleOutcome ReadBattleOutcome() {
    if (PartyFate() == kFateFled) return BattleOutcome::Fled;
    if (PartyFate() == kFateLoaded) return BattleOutcome::Restored;
    return PartyBeaten() ? BattleOutcome::Lost : BattleOutcome::Won;
}

}  // namespace vela
