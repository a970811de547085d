#include "game/battle/action_sentence.h"

#include "game/battle/enemy_group.h"
#include "game/state/names.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "screen/johab.h"

namespace vela {

namespace {

constexpr int kFirstShootingWeapon = 22, kLastShootingWeapon = 28;

// Verbs by weapon group: bare hands and slashing share the first.
std::string weaponVerb(int weapon) {
    static const std::string verbs[] = {" 공격했다"_j, " 내려쳤다"_j, " 찔렀다"_j, " 쏘았다"_j};
    int group = weapon == 0 ? 0 : (weapon - 1) / 7;
    return group < 4 ? verbs[group] : verbs[0];
}

// Orders without a target (a group spell before its sweep) name nobody.
std::string enemyName(int slot) { return slot >= 1 && slot <= kEnemySlots ? Enemy[slot].Name.str() : std::string(); }
std::string memberName(int slot) {
    return slot >= 1 && slot <= kLastFightingSlot ? Member[slot].Name.str() : std::string();
}

}  // namespace

bool IsShootingWeapon(int weapon) { return weapon >= kFirstShootingWeapon && weapon <= kLastShootingWeapon; }

std::string ComposeActionSentence(int member, int action, int choice, int target) {
    const MemberRecord& m = Member[member];
    std::string name = m.Name.str();
    std::string s = WithParticle(name, Particle::Topic) + " ";
    switch (action) {
        case ActWeapon: {
            // Out of arrows the sentence names nobody.
            if (IsShootingWeapon(m.Weapon) && Party.Arrows == 0) return "화살이 다 떨어져 공격할 수 없었다"_j;
            std::string weapon = WeaponName(m.Weapon);
            std::string foe = enemyName(target);
            return s + WithParticle(weapon, Particle::Instrumental) + " " + WithParticle(foe, Particle::Object) +
                   weaponVerb(m.Weapon);
        }
        case ActSpellOne:
        case ActSpellAll: {
            std::string spell = SpellName(action == ActSpellOne ? 0 : 1, choice);
            return s + WithParticle("'" + spell + "'", Particle::Instrumental) + " " + enemyName(target) +
                   std::string("에게 공격했다"_j);
        }
        case ActSpecialSpell: {
            std::string foe = enemyName(target);
            std::string spell = SpellName(4, choice);
            return s + foe + std::string("에게 "_j) + WithParticle(spell, Particle::Instrumental) +
                   std::string(" 특수 공격을 했다"_j);
        }
        case ActHeal: {
            std::string patient = memberName(target);
            std::string spell = SpellName(3, choice);
            return s + patient + std::string("에게 "_j) + WithParticle("'" + spell + "'", Particle::Object) +
                   std::string(" 사용했다"_j);
        }
        case ActEsp: {
            std::string whom = target > 0 ? enemyName(target) + std::string("에게 "_j) : std::string("모든 적에게 "_j);
            std::string esp = SpellName(5, choice);
            return s + whom + WithParticle(esp, Particle::Object) + std::string(" 사용했다"_j);
        }
        case ActSummon: {
            std::string spell = SpellName(6, choice);
            return s + WithParticle(spell, Particle::Object) + std::string(" 시도 했다"_j);
        }
        case ActFlee:
            return "일행은 도망을 시도했다"_j;
        default:
            return s + std::string(" 잠시 주저했다"_j);
    }
}

}  // namespace vela
