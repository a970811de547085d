// A battle test: a session with the enemy table loaded, battle texts
// collected as UTF-8, and helpers that set up members and foes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/battle/enemy_group.h"
#include "game/state/enemy_table.h"
#include "game/state/party.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "session.h"

namespace vela::test {

class BattleTest : public ::testing::Test {
protected:
    Session session;
    std::vector<std::string> lines;

    void SetUp() override {
        LoadEnemyTable();
        SetWaitOnScroll(0);  // as during a battle: long narrations scroll on
        SetTextObserver([this](int, int, int, std::string_view text) { lines.push_back(JohabToUtf8(text)); });
    }

    bool Said(const std::string& utf8) const {
        for (const std::string& line : lines)
            if (line.find(utf8) != std::string::npos) return true;
        return false;
    }

    // A fighter who never misses, in `slot`.
    MemberRecord& Fighter(int slot, int cls, int strength, int weapon, int power, int skill) {
        MemberRecord& m = Member[slot];
        m = {};
        m.Name.set("검사"_j);
        m.Class = uint8_t(cls);
        m.Family = kFighterFamily;
        m.Strength = uint8_t(strength);
        m.Endurance = 10;
        m.Accuracy = 20;
        m.Level = 5;
        m.HP = 500;
        m.Weapon = uint8_t(weapon);
        m.WeaponPower = uint8_t(power);
        for (uint8_t& s : m.Skills) s = uint8_t(skill);
        return m;
    }

    MemberRecord& Mage(int slot, int attackSkill, int sp) {
        MemberRecord& m = Fighter(slot, 1, 5, 0, 5, 0);
        m.Name.set("마녀"_j);
        m.Sex = 1;
        m.Family = kMageFamily;
        m.Skills[1] = uint8_t(attackSkill);
        m.SP = int16_t(sp);
        return m;
    }

    // A foe that never blocks and wears no armour.
    BattleEnemy& Foe(int slot, int number, int hp) {
        MakeBattleEnemy(slot, number);
        BattleEnemy& e = Enemy[slot];
        e.Resistance = 0;
        e.ArmourClass = 0;
        e.HP = hp;
        EnemyCount = uint8_t(std::max<int>(EnemyCount, slot));
        return e;
    }

    void Order(int member, int action, int choice, int target) {
        CurrentMember = member;
        ActionTable[member] = {uint8_t(action), uint8_t(choice), uint8_t(target)};
    }
};

}  // namespace vela::test
