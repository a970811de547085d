#include "game/battle/enemy_abilities.h"

#include <algorithm>
#include <string>

#include "game/battle/enemy_group.h"
#include "game/state/enemy_table.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"

namespace vela {

namespace {

// A group grows to seven slots at most; past that a new foe takes the
// lowest dead slot.
constexpr int kCallUpLimit = 7;

int aliveFoes() {
    int n = 0;
    for (int s = 1; s <= EnemyCount; ++s) n += !Enemy[s].Dead;
    return n;
}

int slotForNewcomer() {
    if (EnemyCount < kCallUpLimit) return ++EnemyCount;
    for (int s = 1; s <= EnemyCount; ++s)
        if (Enemy[s].Dead) return s;
    return 0;
}


void callUp(int slot) {
    int roll = Random(3) + 2;
    if (roll <= aliveFoes() || Random(3) != 0) return;
    int kind = Enemy[slot].Number - 20 + Random(4);
    // The bestiary gives the ability only to foes whose helpers exist; a
    // number outside the table calls nobody.
    if (kind < 1 || kind > kEnemyCount) return;
    int newcomer = slotForNewcomer();
    if (newcomer == 0) return;
    MakeBattleEnemy(newcomer, kind);
    DrawEnemyList(true);
    WriteMessage(TextColour::FoeAction, WithParticle(Enemy[slot].Name.str(), Particle::Topic) + " " +
                                            WithParticle(Enemy[newcomer].Name.str(), Particle::Object) +
                                            std::string(" 생성시켰다"_j));
}

void stealCompanion(int slot) {
    if (Member[kCompanionSlot].Name.empty() || aliveFoes() >= kCallUpLimit || Random(5) != 0) return;
    int newcomer = slotForNewcomer();
    if (newcomer == 0) return;
    std::string name = Member[kCompanionSlot].Name.str();
    CompanionToEnemy(kCompanionSlot, newcomer);
    Member[kCompanionSlot].Name.set("");
    DrawPartyPanel();
    DrawEnemyList(true);
    WriteMessage(TextColour::FoeAction, WithParticle(Enemy[slot].Name.str(), Particle::Topic) +
                                            std::string(" 독심술을 사용하여 "_j) + WithParticle(name, Particle::Object) +
                                            std::string(" 자기편으로 끌어들였다"_j));
}

void deathToAll(int slot) {
    const BattleEnemy& e = Enemy[slot];
    if (e.SpecialAttack == 0 || Random(5) != 0) return;
    for (int t = 1; t <= kLastFightingSlot; ++t) {
        MemberRecord& m = Member[t];
        if (m.Name.empty() || m.Dead > 0) continue;
        std::string name = m.Name.str();
        WriteMessage(TextColour::FoeAction,
                     WithParticle(e.Name.str(), Particle::Topic) + " " + name + std::string("에게 죽음의 공격을 시도했다"_j));
        std::string memberIs = WithParticle(name, Particle::Topic);
        if (Random(60) > e.Agility) {
            WriteMessage(TextColour::Miss, "죽음의 공격은 실패했다"_j);
        } else if (Random(20) < m.Luck) {
            WriteMessage(TextColour::Miss, std::string("그러나, "_j) + memberIs + std::string(" 죽음의 공격을 피했다"_j));
        } else {
            WriteMessage(TextColour::Misfortune, memberIs + std::string(" 죽었다 !!"_j));
            m.Dead = 1;
            if (m.HP > 0) m.HP = 0;
        }
    }
}

}  // namespace

void EnemySpecialAbility(int slot) {
    if (Enemy[slot].Number == 1) return;
    int level = Enemy[slot].SpecialAbility;
    if (level >= 1) callUp(slot);
    if (level >= 2) stealCompanion(slot);
    if (level >= 3) deathToAll(slot);
}

void CompanionToEnemy(int member, int slot) {
    const MemberRecord& m = Member[member];
    BattleEnemy e{};
    e.Number = 1;
    // A member's name may hold 17 bytes; a foe's 16.
    std::string name = m.Name.str().substr(0, sizeof e.Name.Text);
    e.Name.set(name);
    e.Strength = m.Strength;
    e.Mentality = m.Mentality;
    e.Endurance = m.Endurance;
    e.Resistance = uint8_t(std::min(m.Resistance * 5, 99));
    e.Agility = m.Agility;
    e.Accuracy = m.Accuracy;
    e.MagicAccuracy = m.Accuracy;
    e.ArmourClass = m.AC;
    e.SpecialAttack = m.Class == 7 ? 2 : 0;
    e.MagicLevel = uint8_t(m.Level / 4);
    e.SpecialAbility = 0;
    e.Level = m.Level;
    e.HP = FullEnemyHP(e);
    Enemy[slot] = e;
}

}  // namespace vela
