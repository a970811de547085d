#include "game/explore/terrain.h"

#include "game/acts/member_limits.h"
#include "game/battle/encounter.h"
#include "game/save/end_of_game.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/rules.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kMaxDeadDepth = 30000;

int encounterSetting() { return Party.Flags[FlagTemperament]; }

// Unconsciousness deeper than the body can bear is death.
void deepenUnconsciousness(MemberRecord& m, int amount) {
    m.Unconscious = int16_t(m.Unconscious + amount);
    if (m.Endurance * m.Level < m.Unconscious) m.Dead = 1;
}

void redrawAfterPoison(int ticked) {
    if (ticked > 0) {
        DrawHP();
        DrawConditions();
    }
}

}  // namespace

int PoisonTick(bool setCurrentMember) {
    int ticked = 0;
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        MemberRecord& m = Member[slot];
        if (m.Name.empty()) continue;
        if (setCurrentMember) CurrentMember = slot;
        if (m.Poison > 0) ++m.Poison;
        if (m.Poison <= 10) continue;
        m.Poison = 1;
        ++ticked;
        if (m.Dead >= 1 && m.Dead <= 99) {
            ++m.Dead;
        } else if (m.Unconscious > 0) {
            deepenUnconsciousness(m, 1);
        } else {
            --m.HP;
            if (m.HP <= 0) m.Unconscious = 1;
        }
    }
    return ticked;
}

void FloorStep() {
    DrawMapView(true);
    redrawAfterPoison(PoisonTick());
    if (!CheckPartyAlive()) EndOfGameDialog();
    if (Party.Flags[FlagMindReading] > 0) --Party.Flags[FlagMindReading];
    if (Random(encounterSetting() * 20) == 0) RandomEncounter();
    if (MapKind == kGround)
        AddTime(0, 2, 0);
    else
        AddTime(0, 0, 5);
}

void WaterStep() {
    uint8_t& time = Party.Flags[FlagWalkOnWater];
    if (time == 0) {
        UndoStep();
        return;
    }
    --time;
    DrawMapView(true);
    if (Random(encounterSetting() * 30) == 0) RandomEncounter();
}

void SwampStep() {
    DrawMapView(true);
    int ticked = PoisonTick(true);
    uint8_t& time = Party.Flags[FlagWalkOnSwamp];
    if (time > 0) {
        --time;
    } else {
        ClearMessages();
        bool poisoned[kLastFightingSlot + 1] = {};
        for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
            CurrentMember = slot;
            poisoned[slot] = Random(20) + 1 >= Member[slot].Luck;
        }
        WriteMessage(TextColour::Warning, "일행은 독이 있는 늪에 들어갔다 !!!"_j);
        WriteBlankLine();
        for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
            MemberRecord& m = Member[slot];
            if (m.Name.empty() || !poisoned[slot]) continue;
            std::string line = NameTopic(slot) + std::string(" 중독 되었다."_j);
            WriteMessage(TextColour::Poisoned, line.substr(0, 32));
            if (m.Poison == 0) m.Poison = 1;
        }
        DrawConditions();
    }
    redrawAfterPoison(ticked);
    if (!CheckPartyAlive()) EndOfGameDialog();
}

void LavaStep() {
    DrawMapView(true);
    ClearMessages();
    WriteMessage(TextColour::Warning, "일행은 용암지대로 들어섰다 !!!"_j);
    WriteBlankLine();
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        MemberRecord& m = Member[slot];
        // Two draws in two statements, so a seed replays the same burns with any compiler.
        int heat = Random(40);
        int luck = Random(m.Luck);
        int damage = (40 + heat - 2 * luck) * 10;
        if (m.HP > 0 && m.Unconscious == 0) {
            m.HP = int16_t(m.HP - damage);
            if (m.HP <= 0) m.Unconscious = 1;
        } else if (m.HP > 0 && m.Unconscious > 0) {
            m.HP = int16_t(m.HP - damage);
        } else if (m.Unconscious > 0 && m.Dead == 0) {
            deepenUnconsciousness(m, damage);
        } else if (m.Dead > 0) {
            m.Dead = int16_t(std::min(m.Dead + damage, kMaxDeadDepth));
        }
    }
    DrawVitals();
    if (!CheckPartyAlive()) EndOfGameDialog();
}

}  // namespace vela
