#include "game/battle/encounter.h"

#include <algorithm>
#include <string>

#include "game/battle/battle.h"
#include "game/battle/enemy_group.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

constexpr int kMenuY = 120;

// Average of a member attribute over the members present.
template <typename Attribute>
int partyAverage(Attribute attribute) {
    int sum = 0, n = 0;
    for (int m = 1; m <= kLastFightingSlot; ++m) {
        if (Member[m].Name.empty()) continue;
        sum += attribute(Member[m]);
        ++n;
    }
    return n > 0 ? sum / n : 0;
}

}  // namespace

EncounterRange EncounterRangeOf(int mapNumber) {
    const MapInfo& map = MapInfoOf(mapNumber);
    return {map.firstFoe, map.foeKinds};
}

void RandomEncounter() {
    if (MapKind == kTown) return;
    int limit = Party.Flags[FlagMaxEnemies];
    int count = std::min(Random(limit) + 1, limit);
    EncounterRange range = EncounterRangeOf(Party.MapNumber);
    if (range.count == 0 || count < 1) return;
    EnemyCount = uint8_t(count);
    for (int slot = 1; slot <= count; ++slot) MakeBattleEnemy(slot, Random(range.count) + range.first);

    ClearMessages();
    WriteLine(250, 50, TextColour::FoesAppear, "적이 출현했다 !!!"_j);
    DrawEnemyList(true);
    int agility = 0;
    for (int slot = 1; slot <= count; ++slot) agility += Enemy[slot].Agility;
    agility /= count;
    WriteLine(265, 80, TextColour::Label, "적의 평균 민첩성"_j);
    WriteLine(281, 96, TextColour::Label, ": " + std::to_string(agility));

    SetMenuItems("", {"적과 교전한다"_j, "도망간다"_j});
    int choice = Select(kMenuY, 2, 2, false, false);
    ClearMessages();
    if (choice == 1) {
        int partyAgility = partyAverage([](const MemberRecord& m) { return m.Agility; });
        Battle(agility < partyAgility, true);
        return;
    }
    int partyLuck = partyAverage([](const MemberRecord& m) { return m.Luck; });
    if (agility < partyLuck) {
        DrawMapView(true);
        return;
    }
    Battle(false, true);
}

}  // namespace vela
