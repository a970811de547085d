#include "simulation.h"

#include <algorithm>
#include <vector>

#include "game/battle/battle.h"
#include "game/battle/battle_commands.h"
#include "game/battle/encounter.h"
#include "game/battle/enemy_group.h"
#include "game/battle/scripted_battle.h"
#include "game/acts/member_limits.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/names.h"
#include "game/state/rules.h"
#include "game/town/services.h"
#include "platform/headless_platform.h"
#include "screen/johab.h"
#include "runtime/key_queue.h"

namespace vela::balance {

namespace {

// A battle still going after this many key waits (about half as many
// rounds) is a stalemate and counts as lost.
constexpr int kWaitLimit = 600;

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

// The party's health below a third of its full health, counting the living
// members of the five fighting slots.
bool downToAThird() {
    long health = 0, full = 0;
    for (int slot = 1; slot <= 5; ++slot) {
        const MemberRecord& m = Member[slot];
        if (m.Name.empty() || m.Dead > 0) continue;
        if (m.Unconscious == 0) health += std::max<int>(m.HP, 0);
        full += FullHP(slot);
    }
    return health * 3 < full;
}

void playerOrders(int member) {
    const MemberRecord& m = Member[member];
    ActionEntry& order = ActionTable[member];
    if (member != 1 && downToAThird()) {
        order = {ActFlee, 0, 0};
        return;
    }
    int target = firstStanding();
    if (m.Family == kMageFamily && m.Skills[1] >= 10 && m.SP > 0) {
        order = {ActSpellOne, uint8_t(std::min(m.Skills[1] / 10, 10)), uint8_t(target)};
        return;
    }
    order = {ActWeapon, m.Weapon, uint8_t(target)};
}

// A party from the playthrough as it was, rested to full health.
void placePlayedParty(const ReferenceParty& party) {
    LoadSavedGameImage(party.image);
    for (int slot = 1; slot <= kLastPersonSlot; ++slot) {
        MemberRecord& m = Member[slot];
        if (m.Name.empty()) continue;
        m.Poison = m.Unconscious = m.Dead = 0;
        m.HP = ClampToI16(FullHP(slot));
        m.SP = ClampToI16(FullSP(slot));
    }
}

void placeParty(const ReferenceParty& party) {
    ResetGameState();
    ResetBattleState();
    if (!party.image.empty()) return placePlayedParty(party);
    // A hand-written party has what a new game has: no arrows, encounters of five.
    Party.Flags[FlagMaxEnemies] = kNewGameEncounters;
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
        int limit = Party.Flags[FlagMaxEnemies];
        int count = std::min(Random(limit) + 1, limit);
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

double partyExperience() {
    double sum = 0;
    for (int m = 1; m <= kLastPersonSlot; ++m) sum += Member[m].Experience;
    return sum;
}

}  // namespace

int EncounterSize(const ReferenceParty& party) {
    placeParty(party);
    return Party.Flags[FlagMaxEnemies];
}

std::string Describe(const ReferenceParty& party) {
    placeParty(party);
    std::string text;
    for (int slot = 1; slot <= kLastPersonSlot; ++slot) {
        const MemberRecord& m = Member[slot];
        if (m.Name.empty()) continue;
        text += (text.empty() ? "" : ", ") + JohabToUtf8(m.Name.str()) + " level " + std::to_string(m.Level) + " (" +
                JohabToUtf8(WeaponName(m.Weapon)) + ")";
    }
    return text + "; " + std::to_string(Party.Arrows) + " arrows; encounters of up to " +
           std::to_string(Party.Flags[FlagMaxEnemies]) + " foes";
}

Holdings Measure(const ReferenceParty& party) {
    placeParty(party);
    Holdings h;
    h.gold = Party.Gold;
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        const MemberRecord& m = Member[slot];
        if (m.Name.empty()) continue;
        h.experience += m.Experience;
        for (int skill = 1; skill <= 6; ++skill)
            for (int v = m.Skills[skill]; v < SchoolMax(m.Family == kMageFamily, m.Class, skill); ++v)
                h.schools += 15L * v * v;
        // The dearest of each piece the member may use, bought when dearer than its own.
        auto dearest = [](int first, int last, auto price, auto usable) {
            int32_t best = 0;
            for (int k = first; k <= last; ++k)
                if (usable(k)) best = std::max(best, price(k));
            return best;
        };
        int32_t weapon = dearest(1, 28, WeaponPrice, [&](int w) { return CanUseWeapon(slot, w); });
        int32_t shield = dearest(1, 5, ShieldPrice, [&](int) { return CanUseShield(slot); });
        int32_t armour = dearest(1, 10, ArmourPrice, [&](int a) { return CanUseArmour(slot, a); });
        if (weapon > WeaponPrice(m.Weapon)) h.shops += weapon;
        if (shield > ShieldPrice(m.Shield)) h.shops += shield;
        if (armour > ArmourPrice(m.Armour)) h.shops += armour;
    }
    return h;
}

void InstallPlayerPolicy() { CommandPolicy = playerOrders; }

Outcome Simulate(const Fight& fight, const ReferenceParty& party, int battles, unsigned seed, int size) {
    QuietPlatform platform;
    SetPlatform(&platform);
    Outcome out;
    std::vector<double> losses;
    double rounds = 0, experience = 0, gold = 0;
    bool den = fight.kind == "den";
    std::vector<std::vector<int>> waves =
        fight.map > 0 ? std::vector<std::vector<int>>(fight.chain, std::vector<int>{}) : fight.waves;
    for (int b = 0; b < battles; ++b) {
        SeedRandom(seed + unsigned(b));
        ResetKeyQueue();
        placeParty(party);
        if (size > 0) Party.Flags[FlagMaxEnemies] = uint8_t(size);
        std::vector<int> start(kLastPersonSlot + 1, 0);
        for (int m = 1; m <= kLastPersonSlot; ++m) start[m] = Member[m].HP;
        experience -= partyExperience();
        gold -= Party.Gold;
        bool won = true;
        int fightRounds = 0;
        for (const std::vector<int>& wave : waves) {
            bool partyFirst = placeFoes(fight, wave);
            platform.waits = 0;
            BattleOutcome outcome = BattleOutcome::Lost;
            try {
                Battle(partyFirst, false);
                outcome = ReadBattleOutcome();
            } catch (const Stalemate&) {
            }
            fightRounds += BattleRound;
            won = outcome == BattleOutcome::Won || (den && outcome == BattleOutcome::Fled);
            if (!won) break;
        }
        ++out.battles;
        out.wins += won;
        rounds += fightRounds;
        losses.push_back(hpLost(start));
        experience += partyExperience();
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
