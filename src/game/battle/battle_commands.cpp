#include "game/battle/battle_commands.h"

#include <algorithm>
#include <array>
#include <string>

#include "game/battle/enemy_group.h"
#include "game/battle/esp.h"
#include "game/acts/healing_magic.h"
#include "game/acts/use_item.h"
#include "game/state/names.h"
#include "game/state/particles.h"
#include "game/state/party.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "screen/johab.h"

namespace vela {

std::function<void(int member)> CommandPolicy;

namespace {

constexpr int kMenuY = 50;

// Mage skills by school: attack magic, special magic, supernatural power,
// summoning.
constexpr int kAttackSkill = 1, kSpecialSkill = 4, kSummonSkill = 6;

int selectableSpells(int skill) { return std::min(skill / 10, 10); }

int battleMenu(int member) {
    const MemberRecord& m = Member[member];
    std::string weapon = WeaponName(m.Weapon);
    std::string attack = std::string("한 명의 적을 "_j) + WithParticle(weapon, Particle::Instrumental) + std::string(" 공격"_j);
    std::string last = member == kHeroSlot ? std::string("일행에게 무조건 공격 할 것을 지시"_j)
                                           : std::string("도망을 시도함"_j);
    std::string title = m.Name.str() + std::string("의 전투 모드 ===>"_j);
    SetMenuItems(title, {attack, "한 명의 적에게 마법 공격"_j, "모든 적에게 마법 공격"_j, "적에게 특수 마법 공격"_j,
                         "일행을 치료"_j, "적에게 초능력 사용"_j, "소환 마법 사용"_j, "약초를 사용"_j, last});
    int command = Select(kMenuY, 9, 9, true, false);
    if (command != ActWeapon) ClearMessages();
    if (command == 9 && member == kHeroSlot) {
        AutoBattle = 1;
        command = ActAuto;
    }
    return command;
}

void autoOrders(int member) {
    const MemberRecord& m = Member[member];
    ActionEntry& order = ActionTable[member];
    int skill = m.Skills[kAttackSkill];
    if (m.Family == kMageFamily && skill >= 10 && m.SP > skill)
        order = {ActSpellOne, 1, 1};
    else if (m.Family == kFighterFamily || m.Family == kMageFamily)
        order = {ActWeapon, m.Weapon, 1};
}

}  // namespace

int SpellMenu(int school, int selectable) {
    std::array<std::string_view, 10> names;
    for (int s = 1; s <= 10; ++s) names[s - 1] = SpellNames[school][s - 1];
    SetMenuItems("", {names[0], names[1], names[2], names[3], names[4], names[5], names[6], names[7], names[8],
                      names[9]});
    return Select(kMenuY, std::clamp(selectable, 0, 10), 10, true, true);
}

void ChooseCommand(int member) {
    ActionEntry& order = ActionTable[member];
    const MemberRecord& m = Member[member];
    if (CommandPolicy && !AutoBattle) {
        CommandPolicy(member);
        return;
    }
    int command = AutoBattle ? int(ActAuto) : battleMenu(member);
    if (m.Family == kFighterFamily && command >= ActSpellOne && command <= ActSummon &&
        !(m.Class == 7 && command == ActHeal))
        command = ActWeapon;
    switch (command) {
        case ActWeapon:
            order = {ActWeapon, m.Weapon, uint8_t(SelectEnemy())};
            break;
        case ActSpellOne:
            if (int spell = SpellMenu(0, selectableSpells(m.Skills[kAttackSkill])))
                order = {ActSpellOne, uint8_t(spell), uint8_t(SelectEnemy())};
            break;
        case ActSpellAll:
            if (int spell = SpellMenu(1, selectableSpells(m.Skills[kAttackSkill])))
                order = {ActSpellAll, uint8_t(spell), 0};
            break;
        case ActSpecialSpell:
            if (int spell = SpellMenu(4, selectableSpells(m.Skills[kSpecialSkill])))
                order = {ActSpecialSpell, uint8_t(spell), uint8_t(spell <= 5 ? SelectEnemy() : 1)};
            break;
        case ActHeal:
        case ActHerbs:
            // Healing and herbs act at once, here, through the camp's menus
            // (in battle only the five medicines); the order does nothing later.
            CurrentMember = member;
            if (command == ActHeal)
                HealingMagic();
            else
                UseItem(kBattleItems);
            order = {uint8_t(command), 0, 0};
            break;
        case ActEsp:
            ChooseEsp(member);
            break;
        case ActSummon:
            if (int spell = SpellMenu(6, selectableSpells(m.Skills[kSummonSkill])))
                order = {ActSummon, uint8_t(spell), 1};
            break;
        case ActFlee:
            order = {ActFlee, 0, 0};
            break;
        case ActAuto:
            autoOrders(member);
            break;
        default:
            break;
    }
}

}  // namespace vela
