#include "simulation.h"

#include <algorithm>
#include <vector>

#include "game/battle/battle.h"
#include "game/battle/battle_commands.h"
#include "game/battle/battle_spells.h"
#include "game/battle/encounter.h"
#include "game/battle/enemy_group.h"
#include "game/battle/scripted_battle.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/rules.h"
#include "platform/headless_platform.h"
#include "screen/johab.h"
#include "runtime/key_queue.h"

namespace vela::balance {

namespace {

// A battle still going after this many key waits (about half as many
// rounds) is a stalemate and counts as lost.
constexpr int kWaitLimit = 600;
// Random encounters are as large as the options allow by default.
constexpr int kEncounterLimit = 5;

struct Stalemate {};

// The headless platform, with every key wait answered by Enter.
class QuietPlatform : public HeadlessPlatform {
public:
    int waits = 0;
    void PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) override {
        if (!waiting) return;
        if (++waits > kWaitLimit) throw Stalemate{};
        pushKey(kKeyEnter);
    }
};

int firstStanding() {
    for (int s = 1; s <= EnemyCount; ++s)
        if (!Enemy[s].down()) return s;
    return 1;
}

int standingFoes() {
    int n = 0;
    for (int s = 1; s <= EnemyCount; ++s) n += !Enemy[s].down();
    return n;
}

void playerOrders(int member) {
    const MemberRecord& m = Member[member];
    ActionEntry& order = ActionTable[member];
    int target = firstStanding();
    if (m.Family == kMageFamily) {
        int skill = m.Skills[1];
        int best = std::min(skill / 10, 10);
        int standing = standingFoes();
        if (standing >= 3)
            for (int s = best; s >= 1; --s)
                if (AttackSpellCost(skill, s) * standing <= m.SP) {
                    order = {ActSpellAll, uint8_t(s), 0};
                    return;
                }
        for (int s = best; s >= 1; --s)
            if (AttackSpellCost(skill, s) <= m.SP) {
                order = {ActSpellOne, uint8_t(s), uint8_t(target)};
                return;
            }
    }
    order = {ActWeapon, m.Weapon, uint8_t(target)};
}

void placeParty(const ReferenceParty& party) {
    ResetGameState();
    ResetBattleState();
    Party.Arrows = 30000;
    int slot = 0;
    for (const Hero& h : party.members) {
        MemberRecord& m = Member[++slot];
        m.Name.set(Utf8ToJohab(h.name));
        m.Sex = uint8_t(h.sex);
        m.Family = uint8_t(h.family);
        m.Class = uint8_t(h.cls);
        m.Strength = uint8_t(h.strength);
        m.Mentality = uint8_t(h.mentality);
        m.Concentration = uint8_t(h.concentration);
        m.Endurance = uint8_t(h.endurance);
        m.Resistance = uint8_t(h.resistance);
        m.Agility = uint8_t(h.agility);
        m.Accuracy = uint8_t(h.accuracy);
        m.Luck = uint8_t(h.luck);
        m.Level = uint8_t(h.level);
        m.HP = int16_t(h.endurance * h.level * 10);
        m.SP = int16_t(h.family == kMageFamily ? h.mentality * h.level * 10
                       : h.cls == 7           ? h.mentality * h.level * 5
                                              : 0);
        m.Weapon = uint8_t(h.weapon);
        m.Shield = uint8_t(h.shield);
        m.Armour = uint8_t(h.armour);
        m.BaseAC = h.family == kFighterFamily ? 2 : 0;
        for (int k = 0; k < 6; ++k) m.Skills[k + 1] = uint8_t(h.skills[k]);
        UpdateEquipment(slot);
    }
}

// The foes of one wave (a random draw for an encounter), and whether the
// party strikes first.
bool placeFoes(const Fight& fight, const std::vector<int>& wave) {
    if (fight.map > 0) {
        EncounterRange range = EncounterRangeOf(fight.map);
        int count = std::min(Random(kEncounterLimit) + 1, kEncounterLimit);
        SetFoeCount(count);
        int agility = 0;
        for (int slot = 1; slot <= count; ++slot) {
            SetFoe(slot, Random(range.count) + range.first);
            agility += Enemy[slot].Agility;
        }
        int partyAgility = 0, members = 0;
        for (int m = 1; m <= kLastFightingSlot; ++m)
            if (!Member[m].Name.empty()) partyAgility += Member[m].Agility, ++members;
        return agility / count < partyAgility / members;
    }
    SetFoeCount(int(wave.size()));
    for (std::size_t i = 0; i < wave.size(); ++i) {
        int kind = wave[i];
        if (kind < 0)
            FoeFromMember(-kind, int(i) + 1);
        else
            SetFoe(int(i) + 1, kind);
    }
    return false;
}

double hpLost(const std::vector<int>& start) {
    long lost = 0, total = 0;
    for (int m = 1; m <= kLastPersonSlot; ++m) {
        const MemberRecord& r = Member[m];
        if (start[m] <= 0) continue;
        total += start[m];
        bool down = r.Unconscious > 0 || r.Dead > 0;
        lost += down ? start[m] : start[m] - std::max<int>(r.HP, 0);
    }
    return total ? double(lost) / total : 0;
}

}  // namespace

void InstallPlayerPolicy() { CommandPolicy = playerOrders; }

Outcome Simulate(const Fight& fight, const ReferenceParty& party, int battles, unsigned seed) {
    QuietPlatform platform;
    SetPlatform(&platform);
    Outcome out;
    std::vector<double> losses;
    double rounds = 0, experience = 0, gold = 0;
    for (int b = 0; b < battles; ++b) {
        SeedRandom(seed + unsigned(b));
        ResetKeyQueue();
        placeParty(party);
        std::vector<int> start(kLastFightingSlot + 1, 0);
        for (int m = 1; m <= kLastPersonSlot; ++m) start[m] = Member[m].HP;
        platform.waits = 0;
        bool won = true;
        int fightRounds = 0;
        for (const std::vector<int>& wave : fight.map > 0 ? std::vector<std::vector<int>>{{}} : fight.waves) {
            bool partyFirst = placeFoes(fight, wave);
            try {
                Battle(partyFirst, false);
                won = ReadBattleOutcome() == BattleOutcome::Won;
            } catch (const Stalemate&) {
                won = false;
            }
            fightRounds += BattleRound;
            if (!won) break;
        }
        ++out.battles;
        out.wins += won;
        rounds += fightRounds;
        losses.push_back(hpLost(start));
        for (int m = 1; m <= kLastPersonSlot; ++m) experience += Member[m].Experience;
        gold += Party.Gold;
    }
    SetPlatform(nullptr);
    std::sort(losses.begin(), losses.end());
    out.rounds = rounds / battles;
    out.medianHpLost = losses[losses.size() / 2];
    out.experience = experience / battles;
    out.gold = gold / battles;
    return out;
}

}  // namespace vela::balance
