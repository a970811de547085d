#include "game/battle/battle.h"

#include <algorithm>
#include <limits>

#include "game/battle/action_sentence.h"
#include "game/battle/battle_commands.h"
#include "game/battle/battle_spells.h"
#include "game/battle/enemy_group.h"
#include "game/battle/enemy_turn.h"
#include "game/battle/esp.h"
#include "game/battle/party_attack.h"
#include "game/battle/rewards.h"
#include "game/acts/summoning.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/save/end_of_game.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "game/world/map_view.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

int BattleRound;

namespace {

constexpr int kPoisonBite = 5;       // a member's poison tick
constexpr int kFoePoisonBite = 50;   // a foe's poison tick
constexpr int kDeathDepthLimit = 10000;

// The orders of members 1..5; member 6 attacks on its own.
void commandPhase() {
    ActionTable = {};
    DrawEnemyList(false);
    AutoBattle = 0;
    for (int m = 1; m <= kLastPersonSlot; ++m) {
        if (!IsActive(m)) continue;
        CurrentMember = m;
        ChooseCommand(m);
    }
    ActionTable[kCompanionSlot] = {ActWeapon, Member[kCompanionSlot].Weapon, 1};
}

// True when the party got away.
bool tryToFlee(int member) {
    if (Random(50) <= Member[member].Agility) {
        WriteMessage(TextColour::Success, "성공적으로 도망을 갔다"_j);
        return true;
    }
    WriteMessage(TextColour::Miss, "그러나, 일행은 성공하지 못했다"_j);
    return false;
}

// One member's action; true when the party fled.
bool memberAction(int m) {
    CurrentMember = m;
    HeShe();
    const ActionEntry order = ActionTable[m];
    std::string sentence = ComposeActionSentence(m, order.Action, order.Choice, order.Target);
    switch (order.Action) {
        case ActNothing:
        case ActSpecialSpell:
        case ActEsp:
        case ActSummon:
        case ActFlee:
            WriteMessage(TextColour::Action, sentence);
            break;
        default:
            break;
    }
    // A bow user spends an arrow on whatever it does; with none left it
    // does nothing. The arrow leaves the quiver after the action so that
    // the attack's own sentence still sees it in hand.
    bool shooter = IsShootingWeapon(Member[m].Weapon);
    if (shooter && Party.Arrows == 0) {
        if (order.Action == ActWeapon) WriteMessage(TextColour::Action, sentence);
        WriteBlankLine();
        return false;
    }
    bool fled = false;
    switch (order.Action) {
        case ActWeapon: MemberAttack(); break;
        case ActSpellOne: CastAttackSpell(); break;
        case ActSpellAll: CastGroupSpell(); break;
        case ActSpecialSpell: CastSpecialSpell(); break;
        case ActEsp: UseEsp(); break;
        case ActSummon: Summon(); break;
        case ActFlee: fled = tryToFlee(m); break;
        default: break;
    }
    if (shooter) --Party.Arrows;
    if (!fled) WriteBlankLine();
    return fled;
}

void poisonParty() {
    for (int t = 1; t <= kLastFightingSlot; ++t) {
        MemberRecord& m = Member[t];
        if (!IsPresent(t) || m.Poison == 0) continue;
        if (m.Dead > 0) {
            if (m.Dead < kDeathDepthLimit) m.Dead = int16_t(m.Dead + kPoisonBite);
        } else if (m.Unconscious == 0) {
            m.HP = int16_t(std::max<int>(m.HP - kPoisonBite, std::numeric_limits<int16_t>::min()));
            if (m.HP < 1) m.Unconscious = 1;
        } else {
            m.Unconscious = int16_t(std::min<int>(m.Unconscious + kPoisonBite, std::numeric_limits<int16_t>::max()));
            if (m.Unconscious > m.Endurance * m.Level * 10) m.Dead = 1;
        }
    }
}

// The party's half of a round; true when the party fled.
bool partyPhase() {
    commandPhase();
    for (int m = 1; m <= kLastPersonSlot; ++m) {
        if (!IsActive(m)) continue;
        if (memberAction(m)) return true;
    }
    CompanionTurn();
    DrawEnemyList(false);
    poisonParty();
    WriteBlankLine();
    PressAnyKey();
    return false;
}

void enemyPhase() {
    // Foes called up during the phase first act next round.
    int count = EnemyCount;
    for (int slot = 1; slot <= count; ++slot) {
        BattleEnemy& e = Enemy[slot];
        if (e.Poisoned && !e.Dead) {
            if (e.Unconscious) {
                e.Dead = 1;
            } else {
                e.HP -= kFoePoisonBite;
                if (e.HP < 1) e.Unconscious = 1;
            }
        }
        if (!e.down()) EnemyTurn(slot);
    }
}

void fled() {
    PartyFate() = kFateFled;
    LastKey = ReadKey();
    ClearMessages();
    SetWaitOnScroll(1);
    DrawMapView(true);
}

}  // namespace

bool PartyBeaten() {
    for (int m = 1; m <= kLastFightingSlot; ++m)
        if (IsPresent(m) && IsActive(m)) return false;
    return true;
}

bool FoesBeaten() {
    for (int slot = 1; slot <= EnemyCount; ++slot)
        if (!Enemy[slot].down()) return false;
    return true;
}

void Battle(bool partyFirst, bool returnToMap) {
    PartyFate() = kFateBattle;
    SetWaitOnScroll(0);
    bool won = false;
    for (BattleRound = 1;; ++BattleRound) {
        if (BattleRound > 1 || partyFirst) {
            if (partyPhase()) {
                fled();
                return;
            }
        }
        enemyPhase();
        DrawPartyPanel();
        if (PartyBeaten()) break;
        if (FoesBeaten()) {
            won = true;
            break;
        }
        WriteBlankLine();
        PressAnyKey();
        ClearMessages();
    }
    ClearMessages();
    if (!won && returnToMap) {
        EndOfGameDialog();
        SetWaitOnScroll(1);
        return;
    }
    if (won) GoldReward();
    SetWaitOnScroll(1);
    PartyFate() = kFateNone;
    if (won && returnToMap) DrawMapView(true);
}

}  // namespace vela
